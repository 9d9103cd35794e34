# CPack pre-build step: strips the programs as Debian's dh_strip does, which also drops
# the compiler's .comment and .note sections that plain strip keeps.
file(GLOB_RECURSE programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/*")
foreach(program IN LISTS programs)
    execute_process(COMMAND ${CPACK_VRC_STRIP} --remove-section=.comment
            --remove-section=.note ${program}
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "cannot strip ${program}")
    endif()
endforeach()
if(NOT programs)
    message(FATAL_ERROR "no program in ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
