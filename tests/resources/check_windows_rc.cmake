# Prints a Windows identity record back as text and checks the version record, the icon
# and the application manifest in it: either a resource script (RC), compiled here with
# the cross resource compiler, or a built program (EXE), read straight from its resource
# section. FILENAME names the executable the record is for: VornRatingCalc.exe (the
# default), or the console companion VornRatingCalc.com, whose manifest asks for no
# window settings.
if(NOT FILENAME)
    set(FILENAME VornRatingCalc.exe)
endif()
set(manifest_name Kestrix.VornRatingCalc)
set(console FALSE)
if(FILENAME MATCHES "\\.com$")
    set(manifest_name Kestrix.VornRatingCalc.Console)
    set(console TRUE)
endif()
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
    set(compiled "${WORK_DIR}/${FILENAME}.res")
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
list(JOIN parts "." MANIFEST_VERSION)

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
expect("VALUE \"OriginalFilename\", \"${FILENAME}\"\n")
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

# The manifest, one and only: Windows reads none if there are two.
string(REGEX MATCHALL "/\\* RT_MANIFEST \\*/" manifests "${text}")
list(LENGTH manifests count)
if(NOT count EQUAL 1)
    string(APPEND errors "  ${count} manifests (RT_MANIFEST), not 1\n")
endif()
# Its text, unquoted from the resource script: quoted strings, "" for ".
string(FIND "${text}" "/* RT_MANIFEST */" at)
set(manifest "")
if(NOT at EQUAL -1)
    string(SUBSTRING "${text}" ${at} -1 manifest)
    string(FIND "${manifest}" "\nEND\n" end)
    string(SUBSTRING "${manifest}" 0 ${end} manifest)
    string(REGEX REPLACE "^[^\n]*\nBEGIN\n" "" manifest "${manifest}")
    string(REGEX REPLACE "\"\n *\"" "" manifest "${manifest}") # long lines come in pieces
    string(REGEX REPLACE "^ *\"|\"$" "" manifest "${manifest}")
    string(REPLACE "\"\"" "\"" manifest "${manifest}")
    string(REPLACE "\\n" "\n" manifest "${manifest}")
endif()

# expect_element(TAG [NAME VALUE]...): some <TAG> element carries every attribute given.
function(expect_element tag)
    string(REGEX MATCHALL "<${tag}[ \n][^>]*>" elements "${manifest}")
    foreach(element IN LISTS elements)
        set(pairs ${ARGN})
        set(matches TRUE)
        while(pairs)
            list(POP_FRONT pairs name value)
            string(FIND "${element}" " ${name}=\"${value}\"" at)
            if(at EQUAL -1)
                set(matches FALSE)
            endif()
        endwhile()
        if(matches)
            return()
        endif()
    endforeach()
    string(REGEX REPLACE "([^;]+);([^;]+)(;|$)" " \\1=\"\\2\"" wanted "${ARGN}")
    string(APPEND errors "  manifest: no <${tag}${wanted}>\n")
    set(errors "${errors}" PARENT_SCOPE)
endfunction()

expect_element(assembly xmlns urn:schemas-microsoft-com:asm.v1 manifestVersion 1.0)
expect_element(assemblyIdentity type win32 name ${manifest_name}
    version ${MANIFEST_VERSION} processorArchitecture amd64)
expect_element(trustInfo xmlns urn:schemas-microsoft-com:asm.v3)
expect_element(requestedExecutionLevel level asInvoker uiAccess false)
expect_element(compatibility xmlns urn:schemas-microsoft-com:compatibility.v1)
foreach(os
        e2011457-1546-43c5-a5fe-008deee3d3f0 # Vista
        35138b9a-5d96-4fbd-8e2d-a2440225f93a # 7
        4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 # 8
        1f676c76-80e1-4239-95bb-83d0f6d0da78 # 8.1
        8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a) # 10 and 11
    expect_element(supportedOS Id {${os}})
endforeach()
if(console)
    # It opens no window: no window settings, no common controls.
    if(manifest MATCHES "<application xmlns=\"urn:schemas-microsoft-com:asm.v3\">|<dependency>")
        string(APPEND errors "  manifest: window settings or dependencies in a console's\n")
    endif()
else()
    expect_element(application xmlns urn:schemas-microsoft-com:asm.v3)
    # Windows reads these two only in their own namespaces.
    foreach(setting
            "dpiAware;2005;true/pm"
            "dpiAwareness;2016;PerMonitorV2, PerMonitor")
        list(GET setting 0 tag)
        list(GET setting 1 year)
        list(GET setting 2 value)
        set(namespace "http://schemas.microsoft.com/SMI/${year}/WindowsSettings")
        if(NOT manifest MATCHES "<${tag} xmlns=\"${namespace}\">${value}</${tag}>")
            string(APPEND errors "  manifest: no <${tag}> of ${namespace} saying ${value}\n")
        endif()
    endforeach()
    string(REGEX MATCH "<dependentAssembly>[^/]*<assemblyIdentity[^>]*>" common_controls
        "${manifest}")
    set(manifest "${common_controls}")
    expect_element(assemblyIdentity type win32 name Microsoft.Windows.Common-Controls
        version 6.0.0.0 processorArchitecture * publicKeyToken 6595b64144ccf1df language *)
endif()

if(errors)
    string(REGEX REPLACE "\n *0x[^\n]*" "" readable "${text}")
    message(FATAL_ERROR "Windows resource differs from the program identity:\n${errors}"
                        "--- compiled resource, image data left out ---\n${readable}")
endif()
message(STATUS "Windows resource: version record, icon and manifest as expected")
