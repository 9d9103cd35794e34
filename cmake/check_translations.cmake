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

# The one reader of .ts files, shared with the web page's and the packaging files' texts.
set(reader ${CMAKE_CURRENT_LIST_DIR}/../tools/ts_reader.py)
set(work ${OUT_DIR}/check)
file(MAKE_DIRECTORY ${work})
set(copies "")
set(problems "")
foreach(ts IN LISTS TS_FILES)
    cmake_path(GET ts FILENAME name)
    configure_file(${ts} ${work}/${name} COPYONLY)
    list(APPEND copies ${work}/${name})
endforeach()

execute_process(
    COMMAND ${LUPDATE} -silent -no-obsolete -locations none @${SOURCES_LIST} -ts ${copies}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed:\n${out}")
endif()

foreach(ts copy IN ZIP_LISTS TS_FILES copies)
    cmake_path(GET copy FILENAME name)
    cmake_path(GET copy STEM stem)
    execute_process(COMMAND /usr/bin/python3 ${reader} check ${ts} ${copy}
        RESULT_VARIABLE status OUTPUT_VARIABLE found ERROR_VARIABLE error)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "Cannot read ${ts}:\n${error}")
    endif()
    string(APPEND problems "${found}")
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
