# cmake -DCOMMAND="a|b|c" -DEXPECT="name1|name2" -P ExpectExports.cmake
# Lists what a shared library exports (nm -D on Linux, objdump -p on Windows) and passes when
# that is exactly the names expected.
string(REPLACE "|" ";" COMMAND "${COMMAND}")
string(REPLACE "|" ";" EXPECT "${EXPECT}")
execute_process(COMMAND ${COMMAND} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${COMMAND} failed: ${err}")
endif()
string(REPLACE "\n" ";" lines "${out}")
set(exported)
foreach(line IN LISTS lines)
  if(line MATCHES "^[0-9a-fA-F]+ [A-Za-z] ([^ ]+)$")          # nm -D --defined-only
    list(APPEND exported "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^[ \t]*\\[ *[0-9]+\\] ([^ ]+)$")       # objdump -p: the export name table
    list(APPEND exported "${CMAKE_MATCH_1}")
  endif()
endforeach()
list(SORT exported)
list(SORT EXPECT)
if(NOT exported STREQUAL EXPECT)
  message(FATAL_ERROR "exports: ${exported}\nexpected: ${EXPECT}")
endif()
message(STATUS "exports: ${exported}")
