# Runs PROGRAM under valgrind memcheck; fails on any memory error or definite leak.
# Usage: cmake -DPROGRAM=<path> -DSUPPRESSIONS=<file> -P run_under_valgrind.cmake
cmake_minimum_required(VERSION 3.25)
find_program(VALGRIND valgrind)
if(NOT VALGRIND)
    message("SKIP: valgrind is not installed")
    return()
endif()

execute_process(
    COMMAND ${VALGRIND} --tool=memcheck --error-exitcode=1
        --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite
        --suppressions=${SUPPRESSIONS} --gen-suppressions=all --num-callers=40
        ${PROGRAM}
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "memcheck or the session failed (exit status ${status})")
endif()
