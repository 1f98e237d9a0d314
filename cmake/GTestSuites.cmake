# Read by CTest as it starts (cmake/Win32.cmake generates the file that sets the SUITES_
# variables and includes this one): lists the GoogleTest suites of SUITES_PROGRAM through
# SUITES_LAUNCHER and adds one test for each, SUITES_PREFIX.SUITE, which runs that suite's
# tests in one process. The tests that SUITES_EXCLUDED names run elsewhere.
execute_process(
  COMMAND ${SUITES_LAUNCHER} ${SUITES_PROGRAM} --gtest_list_tests "--gtest_filter=-${SUITES_EXCLUDED}"
  OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE result TIMEOUT 120)

set(suites "")
if(result EQUAL 0)
  string(REPLACE "\r" "" listing "${listing}")
  string(REPLACE "\n" ";" lines "${listing}")
  foreach(line IN LISTS lines)
    # A suite's line starts at the margin and ends its name with a full stop ("Name." or
    # "Prefix/Name.  # TypeParam …"); its tests follow, indented.
    if(line MATCHES "^([A-Za-z0-9_/]+)\\.( |$)")
      list(APPEND suites "${CMAKE_MATCH_1}")
    endif()
  endforeach()
endif()

if(suites STREQUAL "")
  # A program that cannot be listed is a failing test, never an empty success.
  message(WARNING "${SUITES_PROGRAM} --gtest_list_tests gave no suites (exit ${result}): ${errors}")
  add_test(${SUITES_PREFIX}.listing "${SUITES_CMAKE}" -E false)
  set_tests_properties(${SUITES_PREFIX}.listing PROPERTIES LABELS ${SUITES_LABEL})
endif()
foreach(suite IN LISTS suites)
  add_test(${SUITES_PREFIX}.${suite} ${SUITES_LAUNCHER} ${SUITES_PROGRAM}
           "--gtest_filter=${suite}.*-${SUITES_EXCLUDED}")
  set_tests_properties(${SUITES_PREFIX}.${suite} PROPERTIES TIMEOUT 300 LABELS ${SUITES_LABEL})
endforeach()
