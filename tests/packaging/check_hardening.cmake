# Reads a program's ELF headers for the protections a Debian package must carry: a
# position-independent executable, read-only relocations resolved at start (relro +
# bind-now), and the stack protector.
#
# cmake -DPROGRAM=<path> [-DREADELF=<readelf>] -P check_hardening.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT READELF)
    find_program(READELF readelf)
endif()
if(NOT READELF)
    message("SKIP: readelf (binutils) is not installed")
    return()
endif()
if(NOT EXISTS ${PROGRAM})
    message(FATAL_ERROR "no program at ${PROGRAM}")
endif()

execute_process(COMMAND ${READELF} --wide --file-header --program-headers --dynamic
        --dyn-syms ${PROGRAM}
    RESULT_VARIABLE status OUTPUT_VARIABLE elf ERROR_VARIABLE error)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "readelf cannot read ${PROGRAM}: ${error}")
endif()

set(failures "")
macro(expect what pattern)
    if(NOT elf MATCHES "${pattern}")
        list(APPEND failures "${what}")
        message("FAIL: ${PROGRAM} is not ${what}")
    endif()
endmacro()
expect("position-independent (PIE)" "Type: +DYN[^\n]*\n.*\\(FLAGS_1\\)[^\n]* PIE")
expect("given a read-only relocation segment (RELRO)" "\n +GNU_RELRO ")
expect("bound at start (BIND_NOW)" "\\(FLAGS\\)[^\n]* BIND_NOW|\\(FLAGS_1\\)[^\n]* NOW")
expect("built with the stack protector" " __stack_chk_fail")

if(failures)
    message(FATAL_ERROR "${PROGRAM} lacks hardening")
endif()
