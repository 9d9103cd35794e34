# CPack pre-build step: lists the installer's files, and the uninstaller's deletions, in
# a fixed order. CPack would list them as the file system returns them, which changes
# from one folder to the next, and makensis would store each file's time.
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${CPACK_TEMPORARY_INSTALL_DIRECTORY}"
    "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
file(GLOB_RECURSE folders LIST_DIRECTORIES true RELATIVE "${CPACK_TEMPORARY_INSTALL_DIRECTORY}"
    "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
list(REMOVE_ITEM folders ${files})
list(SORT files)
list(SORT folders)
# Deepest first, so that each folder is empty when it is removed.
list(REVERSE folders)

set(install "SetDateSave off")
set(delete "")
# Any value no folder has, so that the first file sets the output folder.
set(out_path "/")
foreach(file IN LISTS files)
    cmake_path(GET file PARENT_PATH folder)
    string(REPLACE "/" "\\" windows_file "${file}")
    string(REPLACE "/" "\\" windows_folder "${folder}")
    if(NOT folder STREQUAL out_path)
        if(folder STREQUAL "")
            string(APPEND install "\n  SetOutPath \"$INSTDIR\"")
        else()
            string(APPEND install "\n  SetOutPath \"$INSTDIR\\${windows_folder}\"")
        endif()
        set(out_path "${folder}")
    endif()
    string(APPEND install "\n  File \"\${INST_DIR}\\${windows_file}\"")
    string(APPEND delete "  Delete \"$INSTDIR\\${windows_file}\"\n")
endforeach()
string(APPEND install "\n  SetOutPath \"$INSTDIR\"")
set(remove "")
foreach(folder IN LISTS folders)
    string(REPLACE "/" "\\" windows_folder "${folder}")
    string(APPEND remove "  RMDir \"$INSTDIR\\${windows_folder}\"\n")
endforeach()

set(CPACK_NSIS_FULL_INSTALL "${install}")
set(CPACK_NSIS_DELETE_FILES "${delete}")
set(CPACK_NSIS_DELETE_DIRECTORIES "${remove}")
