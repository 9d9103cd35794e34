# The licence notices of everything linked into the program, made at every link from what
# that link took in (the linker's map), so that they cannot drift from it. Installed beside
# the program, so both the installer and the zip carry them.
set(VRC_NOTICES_NAME ${VRC_COMMAND_NAME}-notices.txt)
set(VRC_NOTICES_FILE ${CMAKE_CURRENT_BINARY_DIR}/${VRC_NOTICES_NAME})
set(VRC_LINK_MAP ${CMAKE_CURRENT_BINARY_DIR}/${VRC_COMMAND_NAME}.map)
set(VRC_QT_NOTICES ${QT6_INSTALL_PREFIX}/share/vornratingcalc-notices CACHE PATH
    "What tools/windows-qt.sh keeps about the Qt it builds, for the licence notices")
if(NOT EXISTS ${VRC_QT_NOTICES}/object-sources.txt.gz)
    message(FATAL_ERROR
        "${VRC_QT_NOTICES} is missing: build the Windows Qt with tools/windows-qt.sh")
endif()

target_link_options(VornRatingCalc PRIVATE -Wl,-Map=${VRC_LINK_MAP})
# The console companion ships beside it; what its link takes is noticed too.
set(VRC_CONSOLE_LINK_MAP ${CMAKE_CURRENT_BINARY_DIR}/${VRC_COMMAND_NAME}-console.map)
target_link_options(VornRatingCalcConsole PRIVATE -Wl,-Map=${VRC_CONSOLE_LINK_MAP})

set(VRC_NOTICES_ARGS
    --qt-notices ${VRC_QT_NOTICES}
    --qt-prefix ${QT6_INSTALL_PREFIX}
    --linked ${VRC_LINK_MAP}
    --linked ${VRC_CONSOLE_LINK_MAP}
    --own ${PROJECT_BINARY_DIR}
    # Debian's packages of the C and C++ runtimes the link takes parts of.
    --debian-package mingw-w64-x86-64-dev
    --debian-package gcc-mingw-w64-x86-64-posix
    --debian-package g++-mingw-w64-x86-64-posix
    # Our resources' files: pictures, icons and the compiled translations (notices.py
    # follows the resources linked in).
    --own ${PROJECT_SOURCE_DIR})
configure_file(relinking.txt.in relinking.txt @ONLY)
add_custom_command(OUTPUT ${VRC_NOTICES_FILE}
    COMMAND /usr/bin/python3 ${PROJECT_SOURCE_DIR}/tools/notices.py ${VRC_NOTICES_ARGS}
        --program ${VRC_COMMAND_NAME} --licence ${PROJECT_SOURCE_DIR}/LICENSE
        --relinking ${CMAKE_CURRENT_BINARY_DIR}/relinking.txt --out ${VRC_NOTICES_FILE}
    DEPENDS VornRatingCalc VornRatingCalcConsole ${PROJECT_SOURCE_DIR}/tools/notices.py
        ${PROJECT_SOURCE_DIR}/LICENSE ${CMAKE_CURRENT_BINARY_DIR}/relinking.txt
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    COMMENT "Writing the licence notices of what ${VRC_COMMAND_NAME}.exe and .com link"
    VERBATIM)
add_custom_target(vrc_notices ALL DEPENDS ${VRC_NOTICES_FILE})
install(FILES ${VRC_NOTICES_FILE} DESTINATION .)

# Lets tests/windows find what this file defines.
set(VRC_NOTICES_FILE ${VRC_NOTICES_FILE} CACHE INTERNAL "")
set(VRC_LINK_MAP ${VRC_LINK_MAP} CACHE INTERNAL "")
set(VRC_NOTICES_ARGS "${VRC_NOTICES_ARGS}" CACHE INTERNAL "")
