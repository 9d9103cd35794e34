# Prints a Windows identity record back as text and checks the version record and the
# icon in it: either a resource script (RC), compiled here with the cross resource
# compiler, or a built program (EXE), read straight from its resource section.
set(needed WINDRES)
if(NOT EXE)
    list(APPEND needed CPP)
endif()
foreach(tool IN LISTS needed)
    if(NOT ${tool} OR NOT EXISTS "${${tool}}")
        message("SKIPPED: ${tool} not found")
        return()
    endif()
endforeach()

if(EXE)
    set(compiled "${EXE}")
    set(format coff)
else()
    set(compiled "${WORK_DIR}/VornRatingCalc.res")
    set(format res)
    execute_process(
        COMMAND "${WINDRES}" "--preprocessor=${CPP}" -i "${RC}" -O res -o "${compiled}"
        RESULT_VARIABLE failed ERROR_VARIABLE err)
    if(failed)
        message(FATAL_ERROR "resource script does not compile:\n${err}")
    endif()
endif()
execute_process(
    COMMAND "${WINDRES}" -J ${format} -O rc -i "${compiled}"
    RESULT_VARIABLE failed OUTPUT_VARIABLE text ERROR_VARIABLE err)
if(failed)
    message(FATAL_ERROR "${compiled}: resources cannot be read back:\n${err}")
endif()

# The fixed version has four parts; missing ones count as 0.
string(REPLACE "." ";" parts "${PROJECT_VERSION}")
list(LENGTH parts count)
while(count LESS 4)
    list(APPEND parts 0)
    math(EXPR count "${count} + 1")
endwhile()
list(JOIN parts ", " NUMERIC_VERSION)

set(errors "")
function(expect what)
    string(FIND "${text}" "${what}" at)
    if(at EQUAL -1)
        string(APPEND errors "  missing: ${what}\n")
        set(errors "${errors}" PARENT_SCOPE)
    endif()
endfunction()

expect("FILEVERSION ${NUMERIC_VERSION}\n")
expect("PRODUCTVERSION ${NUMERIC_VERSION}\n")
expect("FILETYPE 0x1\n")
expect("BLOCK \"040904B0\"")
expect("VALUE \"FileVersion\", \"${DISPLAY_VERSION}\"\n")
expect("VALUE \"ProductVersion\", \"${DISPLAY_VERSION}\"\n")
expect("VALUE \"ProductName\", \"VornRatingCalc\"\n")
expect("VALUE \"InternalName\", \"VornRatingCalc\"\n")
expect("VALUE \"OriginalFilename\", \"VornRatingCalc.exe\"\n")
expect("VALUE \"Translation\", 0x409, 1200\n")
foreach(free CompanyName FileDescription)
    if(NOT text MATCHES "VALUE \"${free}\", \"[^\"]+\"")
        string(APPEND errors "  missing or empty: ${free}\n")
    endif()
endforeach()
# One group icon with one image: width 25 (octal 031), height 28 (034), 256 colours
# (stored as 0), one plane, 8 bits per pixel.
expect("RT_GROUP_ICON")
expect("Has 1 elements.")
expect("\"\\031\\034\\000\\000\", 1, 8,")

if(errors)
    string(REGEX REPLACE "\n *0x[^\n]*" "" readable "${text}")
    message(FATAL_ERROR "Windows resource differs from the program identity:\n${errors}"
                        "--- compiled resource, image data left out ---\n${readable}")
endif()
message(STATUS "Windows resource: version record and icon as expected")
