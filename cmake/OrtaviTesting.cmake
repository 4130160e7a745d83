# One CTest entry per test file: ortavi_add_test(<name> SOURCES <files...> [LIBS <targets...>])
include_guard(GLOBAL)

# Each test program gets a temporary folder of its own (TMPDIR): the library KVL keeps its plain
# copy under a fixed name there, which must not meet another test's or another build's.
function(ortavi_test_tmpdir name out)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/tmp/${name})
  file(MAKE_DIRECTORY ${dir})
  set(${out} "TMPDIR=${dir}" PARENT_SCOPE)
endfunction()

function(ortavi_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} ortavi_test_support GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  ortavi_test_tmpdir(${name} tmpdir)
  set_tests_properties(${name} PROPERTIES TIMEOUT 300 ENVIRONMENT "${tmpdir}")
endfunction()

# A test of windows or widgets: runs on Qt's offscreen platform under a QApplication that
# the shared main creates. ortavi_add_qt_test(<name> SOURCES <files...> [LIBS <targets...>])
function(ortavi_add_qt_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} ortavi_qt_test_support ortavi_windows ortavi_test_support
                        Qt6::Test GTest::gtest)
  add_test(NAME ${name} COMMAND ${name})
  ortavi_test_tmpdir(${name} tmpdir)
  set_tests_properties(${name} PROPERTIES TIMEOUT 300 ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${tmpdir}")
endfunction()
