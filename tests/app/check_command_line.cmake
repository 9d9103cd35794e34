# Runs the program as a terminal user would, with --version, --help and a bad option, and
# checks what it prints, where, and its exit status. It runs with no display at all and
# the X platform forced: opening any window would end it with Qt's "could not connect to
# display" abort, so passing proves no window was opened.
#
# cmake -DPROGRAM=<path> -DCOMMAND=<name> -DVERSION=<full version> -P check_command_line.cmake
cmake_minimum_required(VERSION 3.25)

set(failures "")
macro(fail what)
    list(APPEND failures "${what}")
    message("FAIL: ${what}")
endmacro()

# The language is English unless LANGUAGE is set around the call.
function(run)
    if(NOT DEFINED LANGUAGE)
        set(LANGUAGE en)
    endif()
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
            QT_QPA_PLATFORM=xcb LANGUAGE=${LANGUAGE} ${PROGRAM} ${ARGN}
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    set(status "${status}" PARENT_SCOPE)
    set(out "${out}" PARENT_SCOPE)
    set(err "${err}" PARENT_SCOPE)
endfunction()

# The premise: without options the program does need a display here.
run()
if(status EQUAL 0)
    message(FATAL_ERROR "the program started without a display, so this check cannot tell "
        "whether an option opens a window")
endif()

foreach(args IN ITEMS "--version" "-platform;xcb;--version")
    run(${args})
    if(NOT status EQUAL 0 OR NOT out STREQUAL "${COMMAND} ${VERSION}\n" OR NOT err STREQUAL "")
        fail("${args}: status ${status}, printed '${out}', error output '${err}'")
    endif()
endforeach()

# Help and a refused option in English and in German: the translations are loaded
# without a display too.
set(languages en de)
set(usages Usage Aufruf)
set(tries "unknown option '--no-such-option'\nTry '${COMMAND} --help'"
    "unbekannte Option „--no-such-option“\n„${COMMAND} --help“")
foreach(language usage try IN ZIP_LISTS languages usages tries)
    set(LANGUAGE ${language})
    run(--help)
    if(NOT status EQUAL 0 OR NOT out MATCHES "^${usage}: ${COMMAND} " OR NOT out MATCHES "--version"
       OR NOT err STREQUAL "")
        fail("${language} --help: status ${status}, printed '${out}', error output '${err}'")
    endif()

    run(--no-such-option)
    if(NOT status EQUAL 2 OR NOT out STREQUAL "" OR NOT err MATCHES "^${COMMAND}: ${try}")
        fail("${language} --no-such-option: status ${status}, printed '${out}', error output '${err}'")
    endif()
endforeach()
unset(LANGUAGE)

if(failures)
    message(FATAL_ERROR "the command line is answered wrongly")
endif()
