# Runs PROGRAM with the test filter FILTER RUNS times and fails at the first run that does not exit 0.
foreach(_run RANGE 1 ${RUNS})
  execute_process(COMMAND ${PROGRAM} --gtest_filter=${FILTER} RESULT_VARIABLE _result OUTPUT_QUIET ERROR_VARIABLE _error)
  if(NOT _result EQUAL 0)
    message(FATAL_ERROR "run ${_run} of ${RUNS} ended with ${_result}: ${_error}")
  endif()
endforeach()
