# Build step: brings a copy of every .ts file up to date with the sources, fails when a
# language misses a translation (a text added to the code, or one left unfinished) or
# the committed file still carries texts the code no longer has, and compiles the
# copies to .qm.
#
# cmake -DLUPDATE=... -DLRELEASE=... -DSOURCES_LIST=file -DTS_FILES="a;b" -DOUT_DIR=dir
#       -P check_translations.cmake
foreach(var LUPDATE LRELEASE SOURCES_LIST TS_FILES OUT_DIR)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "check_translations: ${var} not given")
    endif()
endforeach()

set(work ${OUT_DIR}/check)
file(MAKE_DIRECTORY ${work})
set(copies "")
set(problems "")
foreach(ts IN LISTS TS_FILES)
    cmake_path(GET ts FILENAME name)
    file(READ ${ts} committed)
    string(REGEX MATCHALL "type=\"(obsolete|vanished)\"" stale "${committed}")
    list(LENGTH stale stale_count)
    if(stale_count GREATER 0)
        string(APPEND problems "  ${name}: ${stale_count} text(s) the code no longer has\n")
    endif()
    configure_file(${ts} ${work}/${name} COPYONLY)
    list(APPEND copies ${work}/${name})
endforeach()

execute_process(
    COMMAND ${LUPDATE} -silent -no-obsolete -locations none @${SOURCES_LIST} -ts ${copies}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed:\n${out}")
endif()

foreach(copy IN LISTS copies)
    cmake_path(GET copy FILENAME name)
    cmake_path(GET copy STEM stem)
    file(READ ${copy} updated)
    # One chunk per message: those still unfinished are named with their source text.
    string(REPLACE "<message" ";<message" messages "${updated}")
    foreach(message IN LISTS messages)
        if(message MATCHES "type=\"unfinished\"" OR message MATCHES "<translation/>"
           OR message MATCHES "<translation></translation>")
            if(message MATCHES "<source>([^<]*)</source>")
                string(APPEND problems "  ${name}: not translated: \"${CMAKE_MATCH_1}\"\n")
            endif()
        endif()
    endforeach()
    execute_process(COMMAND ${LRELEASE} -silent ${copy} -qm ${OUT_DIR}/${stem}.qm
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lrelease failed on ${name}:\n${out}")
    endif()
endforeach()

if(problems)
    message(FATAL_ERROR "Translations incomplete:\n${problems}"
        "Bring the files up to date with 'cmake --build build --target update_translations', "
        "then translate every text marked unfinished (Qt Linguist: linguist <file>).")
endif()
