# Runs the road runner on a script that must fail at its wrong expect, and checks how it fails.
execute_process(COMMAND ${ROAD} ${SCRIPT} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 1)
  message(FATAL_ERROR "road exited with ${code}, not 1\n${out}${err}")
endif()
if(NOT err MATCHES "wrong_expect.road:9: expected Erased, got Kept")
  message(FATAL_ERROR "road did not name the failing line:\n${err}")
endif()
