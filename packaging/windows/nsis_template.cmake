# The installer speaks the program's languages: CPack's own NSIS script, with its list of
# languages replaced by ours (TEXTS, written by tools/packaging_texts.py, also holds our
# own texts in each) and its English messages by those texts. Included before CPack,
# which then finds the script here first.
#
# The installer and the uninstaller open in the language the program will speak, chosen
# from Windows' display languages by the program's rules (CHOICE); no language question,
# so silent installs stay silent.
function(vrc_nsis_template texts choice out_dir)
    set(source ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in)
    file(READ ${source} script)
    set(edits
        # Each: what CPack's script says, and what ours says instead.
        "  !insertmacro MUI_LANGUAGE \"English\"[^\n]*\n(  !insertmacro MUI_LANGUAGE \"[A-Za-z]+\"\n)+"
        "  !include \"${texts}\"\n  !include \"${choice}\"\n  !insertmacro VRC_LANGUAGE_CHOICE \"\"\n  !insertmacro VRC_LANGUAGE_CHOICE \"un.\"\n  !insertmacro VRC_USER_LANGUAGE \"\"\n  !insertmacro VRC_USER_LANGUAGE \"un.\"\n"
        "Function \\.onInit\n"
        "Function .onInit\n  Call VrcUseUserLanguage\n"
        "Function un\\.onInit\n"
        "Function un.onInit\n  Call un.VrcUseUserLanguage\n"
        "\"@CPACK_NSIS_PACKAGE_NAME@ is already installed\\. \\$\\\\n\\$\\\\nDo you want to uninstall the old version before installing the new one\\?\""
        "\"$(VRC_ALREADY_INSTALLED)\""
        "\"Uninstall failed\\.\""
        "\"$(VRC_UNINSTALL_FAILED)\"")
    while(edits)
        list(POP_FRONT edits pattern replacement)
        string(REGEX REPLACE "${pattern}" "${replacement}" edited "${script}")
        if(edited STREQUAL script)
            message(FATAL_ERROR "${source} no longer holds what the installer's "
                "translations replace (${pattern}): adapt packaging/windows/nsis_template.cmake")
        endif()
        set(script "${edited}")
    endwhile()
    file(WRITE ${out_dir}/NSIS.template.in "${script}")
endfunction()
