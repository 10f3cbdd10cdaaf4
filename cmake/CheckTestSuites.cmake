# cmake -DPROGRAM=<test program> -DEMULATOR=<runner;args> -DSUITES=<suite;...> -P CheckTestSuites.cmake
# Fails unless the suites the program lists are exactly the suites registered as tests.
execute_process(COMMAND ${EMULATOR} ${PROGRAM} --gtest_list_tests
    OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --gtest_list_tests ended with ${status}:\n${listing}")
endif()
string(REPLACE "\r" "" listing "${listing}")
string(REPLACE "\n" ";" lines "${listing}")
set(listed "")
foreach(line IN LISTS lines)
    # Suite lines stand at the margin and end with a dot: "Suite." or "Prefix/Suite/0.".
    if(line MATCHES "^([A-Za-z0-9_]+/)?([A-Za-z0-9_]+)(/[0-9]+)?\\.$")
        list(APPEND listed ${CMAKE_MATCH_2})
    endif()
endforeach()
list(REMOVE_DUPLICATES listed)
list(SORT listed)
if(NOT listed STREQUAL SUITES)
    message(FATAL_ERROR "the program holds the suites\n  ${listed}\nbut these are registered:\n  ${SUITES}")
endif()
