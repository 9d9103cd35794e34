# Runs the freedesktop validators on the files the install step put in PREFIX.
# cmake -DTOOL=desktop|metainfo -DPREFIX=<scratch> -DAPP_ID=<id> -P validate_installed.cmake
cmake_minimum_required(VERSION 3.25)
function(validate)
    execute_process(COMMAND ${VALIDATOR} ${ARGN} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${VALIDATOR} ${ARGN} failed (${status})")
    endif()
endfunction()

if(TOOL STREQUAL "desktop")
    find_program(VALIDATOR desktop-file-validate)
elseif(TOOL STREQUAL "metainfo")
    find_program(VALIDATOR appstreamcli)
else()
    message(FATAL_ERROR "TOOL must be desktop or metainfo")
endif()
if(NOT VALIDATOR)
    message("SKIP: no validator for ${TOOL} files is installed")
    return()
endif()

if(TOOL STREQUAL "desktop")
    validate(${PREFIX}/share/applications/${APP_ID}.desktop)
else()
    validate(validate --no-net ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml)
    # The tree check adds what the record refers to: its desktop entry must be there.
    validate(validate-tree --no-net ${PREFIX})
endif()
