# Checks what the install step put in PREFIX: exactly the program, its menu entry, its
# software-centre record and its themed icons, each fit for the lookup that finds it
# (desktop id, icon name, icon size).
#
# cmake -DPREFIX=<scratch> -DAPP_ID=<id> -DPROGRAM=<name> -DDISPLAY_VERSION=<x.yy>
#       -P check_install_tree.cmake
cmake_minimum_required(VERSION 3.25)
get_filename_component(PREFIX ${PREFIX} ABSOLUTE)

set(failures "")
macro(fail what)
    list(APPEND failures "${what}")
    message("FAIL: ${what}")
endmacro()

set(desktop share/applications/${APP_ID}.desktop)
set(metainfo share/metainfo/${APP_ID}.metainfo.xml)
set(expected bin/${PROGRAM} ${desktop} ${metainfo} share/man/man1/${PROGRAM}.1.gz
    share/doc/vornratingcalc/copyright share/doc/vornratingcalc/changelog.gz)
set(icon_sizes 16 32 48 64 128 256)
foreach(size IN LISTS icon_sizes)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
# A scalable icon is welcome but not required.
set(optional share/icons/hicolor/scalable/apps/${APP_ID}.svg)

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${PREFIX} ${PREFIX}/*)
foreach(file IN LISTS expected)
    if(NOT file IN_LIST installed)
        fail("not installed: ${file}")
    endif()
endforeach()
foreach(file IN LISTS installed)
    if(NOT file IN_LIST expected AND NOT file IN_LIST optional)
        fail("installed but not part of the program: ${file}")
    endif()
endforeach()
# find_program accepts only files the user may execute.
find_program(installed_program ${PROGRAM} PATHS ${PREFIX}/bin NO_DEFAULT_PATH NO_CACHE)
if(EXISTS ${PREFIX}/bin/${PROGRAM} AND NOT installed_program)
    fail("bin/${PROGRAM} is not executable")
endif()

# The theme indexes icons by their folder's size, so a mis-sized one shows blurred or
# clipped. PNG keeps width and height as big-endian words at bytes 16 and 20.
foreach(size IN LISTS icon_sizes)
    set(icon ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
    if(NOT EXISTS ${icon})
        continue()
    endif()
    file(READ ${icon} signature LIMIT 8 HEX)
    file(READ ${icon} header OFFSET 16 LIMIT 8 HEX)
    string(SUBSTRING "${header}" 0 8 width)
    string(SUBSTRING "${header}" 8 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT signature STREQUAL "89504e470d0a1a0a")
        fail("${size}x${size} icon is not a PNG")
    elseif(NOT width EQUAL size OR NOT height EQUAL size)
        fail("${size}x${size} icon is ${width}x${height}")
    endif()
endforeach()

# The menu entry must start the installed program and name the installed icon; the
# window's desktop file name (the app id) must match the entry's file name.
if(EXISTS ${PREFIX}/${desktop})
    file(STRINGS ${PREFIX}/${desktop} exec REGEX "^Exec=")
    file(STRINGS ${PREFIX}/${desktop} icon REGEX "^Icon=")
    if(NOT exec MATCHES "^Exec=${PROGRAM}( |$)")
        fail("desktop entry does not start ${PROGRAM}: ${exec}")
    endif()
    if(NOT icon STREQUAL "Icon=${APP_ID}")
        fail("desktop entry names icon '${icon}', installed icons are ${APP_ID}")
    endif()
endif()

if(EXISTS ${PREFIX}/${metainfo})
    file(READ ${PREFIX}/${metainfo} record)
    if(record MATCHES "@[A-Za-z_]+@")
        fail("metainfo has an unsubstituted variable: ${CMAKE_MATCH_0}")
    endif()
    if(NOT record MATCHES "<binary>${PROGRAM}</binary>")
        fail("metainfo does not provide the command ${PROGRAM}")
    endif()
    if(NOT record MATCHES "<id>${APP_ID}</id>")
        fail("metainfo id is not ${APP_ID}")
    endif()
    if(NOT record MATCHES "<launchable type=\"desktop-id\">${APP_ID}\\.desktop</launchable>")
        fail("metainfo does not launch ${APP_ID}.desktop")
    endif()
    string(REGEX MATCHALL "<release [^>]*version=\"[^\"]*\"" releases "${record}")
    list(LENGTH releases count)
    if(count EQUAL 0)
        fail("metainfo lists no release")
    else()
        # Newest first: the top release is the version the program shows.
        list(GET releases 0 newest)
        if(NOT newest MATCHES "version=\"${DISPLAY_VERSION}\"$")
            fail("newest release in metainfo is not ${DISPLAY_VERSION}: ${newest}")
        endif()
    endif()
endif()

if(failures)
    message(FATAL_ERROR "the installed files are wrong")
endif()
