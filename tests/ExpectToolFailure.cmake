# cmake -DCOMMAND="a|b|c" -DEXPECT=<regex> -DNO_FILE=<path> -P ExpectToolFailure.cmake
# Passes when the command exits non-zero, prints EXPECT on stderr and leaves NO_FILE absent.
string(REPLACE "|" ";" COMMAND "${COMMAND}")
file(REMOVE "${NO_FILE}")
execute_process(COMMAND ${COMMAND} RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0)
  message(FATAL_ERROR "exited 0; stderr: ${err}")
endif()
if(NOT err MATCHES "${EXPECT}")
  message(FATAL_ERROR "stderr does not match '${EXPECT}': ${err}")
endif()
if(EXISTS "${NO_FILE}")
  message(FATAL_ERROR "left ${NO_FILE} behind")
endif()
