# CPack post-build step: the zip writer stores the builder's user and group ids and
# local-time file dates; strip-nondeterminism sets them to fixed values (the dates to
# SOURCE_DATE_EPOCH when it is set), so the zip is the same from every build.
find_program(strip_nondeterminism strip-nondeterminism)
if(NOT strip_nondeterminism)
    message(FATAL_ERROR "strip-nondeterminism is needed for the zip (Debian package "
        "strip-nondeterminism)")
endif()
set(time_option "")
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(time_option --timestamp $ENV{SOURCE_DATE_EPOCH})
endif()
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(package MATCHES "\\.zip$")
        execute_process(COMMAND ${strip_nondeterminism} --type zip ${time_option} ${package}
            RESULT_VARIABLE status)
        if(NOT status EQUAL 0)
            message(FATAL_ERROR "strip-nondeterminism failed on ${package}")
        endif()
    endif()
endforeach()
