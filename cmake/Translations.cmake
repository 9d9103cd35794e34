# The languages the program ships besides English, the source language. Each has
# translations/vornratingcalc_<code>.ts; every folder with texts a user reads hands its
# sources to lupdate through vrc_translatable_sources().
set(VRC_LANGUAGES de fr es it pt_BR pl ru ja zh_CN ar)
set(VRC_TRANSLATIONS_DIR ${PROJECT_SOURCE_DIR}/translations)

set(VRC_TS_FILES "")
foreach(code IN LISTS VRC_LANGUAGES)
    list(APPEND VRC_TS_FILES ${VRC_TRANSLATIONS_DIR}/vornratingcalc_${code}.ts)
endforeach()

# vrc_translatable_sources(<files...>): files, relative to the calling folder, whose
# tr()/translate() texts belong in the .ts files. Collected in a global property that
# translations/CMakeLists.txt reads once every folder has been added.
function(vrc_translatable_sources)
    set(files "")
    foreach(file IN LISTS ARGN)
        cmake_path(ABSOLUTE_PATH file BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
                   NORMALIZE OUTPUT_VARIABLE absolute)
        list(APPEND files ${absolute})
    endforeach()
    set_property(GLOBAL APPEND PROPERTY VRC_TRANSLATABLE_SOURCES ${files})
endfunction()

# Linguist's tools always run on the build machine: a cross-build's target Qt has none.
if(NOT EMSCRIPTEN OR VRC_WEB_NEEDS_LINGUIST)
    find_program(VRC_LUPDATE NAMES lupdate
        HINTS ${QT_HOST_PATH}/lib/qt6/bin /usr/lib/qt6/bin NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    find_program(VRC_LRELEASE NAMES lrelease
        HINTS ${QT_HOST_PATH}/lib/qt6/bin /usr/lib/qt6/bin NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    find_program(VRC_LCONVERT NAMES lconvert
        HINTS ${QT_HOST_PATH}/lib/qt6/bin /usr/lib/qt6/bin NO_CMAKE_FIND_ROOT_PATH)
endif()
