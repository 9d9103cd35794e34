# What the Windows build adds to the common one. The program is a single file, as it
# always was: the static Qt goes in, and so do the C and C++ runtimes and winpthread.
add_link_options(-static)

# Sections nothing reaches are dropped at link time, and the release program is stripped.
add_compile_options(-ffunction-sections -fdata-sections)
add_link_options(-Wl,--gc-sections $<$<CONFIG:MinSizeRel,Release>:-s>)

# Windows gives a program built before terminal servers a compatibility layer; ours
# needs none.
add_link_options(-Wl,--tsaware)

# No link time in the PE header: the same sources give the same program.
add_link_options(-Wl,--no-insert-timestamp)

get_target_property(VRC_QT_LIBRARY_TYPE Qt6::Core TYPE)
if(VRC_QT_LIBRARY_TYPE STREQUAL "STATIC_LIBRARY")
    set(VRC_STATIC_QT ON)
else()
    set(VRC_STATIC_QT OFF)
endif()

# Links exactly the Qt plugins a target uses into it (a static Qt would otherwise link
# every plugin it has). PLATFORM is windows for the program, offscreen for tests, which
# also read the icon file.
function(vrc_link_qt_plugins target platform)
    if(NOT VRC_STATIC_QT)
        return()
    endif()
    if(platform STREQUAL "offscreen")
        set(platform_plugin Qt6::QOffscreenIntegrationPlugin)
        set(image_plugins Qt6::QJpegPlugin Qt6::QICOPlugin)
    else()
        set(platform_plugin Qt6::QWindowsIntegrationPlugin)
        set(image_plugins Qt6::QJpegPlugin)
    endif()
    qt_import_plugins(${target}
        INCLUDE_BY_TYPE platforms ${platform_plugin}
        INCLUDE_BY_TYPE imageformats ${image_plugins}
        INCLUDE_BY_TYPE styles Qt6::QWindowsVistaStylePlugin)
endfunction()
