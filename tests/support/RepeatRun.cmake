# Runs PROGRAM with the test filter FILTER RUNS times and fails at the first run that does not exit 0,
# or that ran no test at all (a filter that no longer selects any would pass every run unseen).
foreach(_run RANGE 1 ${RUNS})
  execute_process(COMMAND ${PROGRAM} --gtest_filter=${FILTER} RESULT_VARIABLE _result OUTPUT_VARIABLE _output
                  ERROR_VARIABLE _error)
  if(NOT _result EQUAL 0)
    message(FATAL_ERROR "run ${_run} of ${RUNS} ended with ${_result}: ${_error}")
  endif()
  if(NOT _output MATCHES "\\[  PASSED  \\] [1-9][0-9]* tests?\\." OR _output MATCHES "\\[  SKIPPED \\]")
    message(FATAL_ERROR "run ${_run} of ${RUNS}: the filter ${FILTER} passed no test or skipped one:\n${_output}")
  endif()
endforeach()
