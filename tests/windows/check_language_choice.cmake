# The installer's language choice against the table the program and the page are tested
# against: a small installer holding packaging/windows/language_choice.nsh runs every
# row under Wine and writes what it chose.
#
# cmake -DMAKENSIS=makensis -DWINE_RUN=tools/wine-run.sh -DTABLE=language_choice.txt
#       -DCHOICE=language_choice.nsh -DLANGUAGES="ar;de;..." -DWORK=dir
#       -P check_language_choice.cmake
foreach(variable MAKENSIS WINE_RUN TABLE CHOICE LANGUAGES WORK)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "${variable} is not set")
    endif()
endforeach()

file(STRINGS ${TABLE} lines ENCODING UTF-8)
set(rows "")
set(expected "")
foreach(line IN LISTS lines)
    if(line MATCHES "^#" OR NOT line MATCHES "->")
        continue()
    endif()
    string(REGEX REPLACE "^(.*)->(.*)$" "\\1" tags "${line}")
    string(REGEX REPLACE "^(.*)->(.*)$" "\\2" chosen "${line}")
    string(STRIP "${tags}" tags)
    string(REGEX REPLACE "[ \t]+" " " tags "${tags}")
    string(STRIP "${chosen}" chosen)
    string(APPEND rows "  !insertmacro ROW \"${tags}\"\n")
    string(APPEND expected "${tags} -> ${chosen}\n")
endforeach()
if(rows STREQUAL "")
    message(FATAL_ERROR "${TABLE} has no rows")
endif()

string(REPLACE ";" " " translations "${LANGUAGES}")
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/choice.nsi "Unicode true
Target amd64-unicode
OutFile \"${WORK}/choice.exe\"
SilentInstall silent
RequestExecutionLevel user
!include \"${CHOICE}\"
!insertmacro VRC_LANGUAGE_CHOICE \"\"
!macro ROW tags
  Push \"${translations}\"
  Push \"\${tags}\"
  Call VrcChooseLanguage
  Pop $0
  FileWrite $9 \"\${tags} -> $0$\\n\"
!macroend
Function .onInit
  FileOpen $9 \"$EXEDIR\\chosen.txt\" w
${rows}  FileClose $9
  Quit
FunctionEnd
Section
SectionEnd
")
execute_process(COMMAND ${MAKENSIS} -V2 -WX ${WORK}/choice.nsi
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "makensis failed (${status}):\n${output}")
endif()
execute_process(COMMAND ${WINE_RUN} ${WORK}/choice.exe
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT EXISTS ${WORK}/chosen.txt)
    message(FATAL_ERROR "the installer wrote no choices (status ${status}):\n${output}")
endif()
file(READ ${WORK}/chosen.txt chosen)
if(NOT chosen STREQUAL expected)
    message(FATAL_ERROR "the installer chooses otherwise than the table:\n"
        "chose:\n${chosen}\nexpected:\n${expected}")
endif()
message(STATUS "the installer agrees with every row of ${TABLE}")
