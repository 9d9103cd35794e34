# Formats the installed manual page as man(1) and groff do and fails on any warning:
# what lintian's manpage checks and `man -l` see.
#
# cmake -DPAGE=<page.1.gz> -P check_manual_page.cmake
cmake_minimum_required(VERSION 3.25)
find_program(MAN man)
find_program(GROFF groff)
find_program(LEXGROG lexgrog)
if(NOT MAN OR NOT GROFF OR NOT LEXGROG)
    message("SKIP: man-db and groff are needed")
    return()
endif()
if(NOT EXISTS ${PAGE})
    message(FATAL_ERROR "no manual page at ${PAGE}")
endif()

set(failures "")
function(check what)
    execute_process(${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0 OR NOT err STREQUAL "")
        message("FAIL: ${what} (status ${status}):\n${err}")
        set(failures "${failures};${what}" PARENT_SCOPE)
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()

set(ENV{LC_ALL} C.UTF-8)
set(ENV{MANWIDTH} 80)
check("man -l" COMMAND ${MAN} --warnings -E UTF-8 -l -Tutf8 -Z ${PAGE})
check("groff -ww"
    COMMAND gzip -dc ${PAGE}
    COMMAND ${GROFF} -man -t -ww -z)
# The NAME line is what apropos and whatis index.
check("lexgrog" COMMAND ${LEXGROG} ${PAGE})
if(NOT out MATCHES ": \"vornratingcalc - [^\"]+\"")
    message("FAIL: lexgrog reads no NAME line: ${out}")
    list(APPEND failures lexgrog)
endif()
if(failures)
    message(FATAL_ERROR "the manual page does not format cleanly")
endif()
