# Builds the Debian package from the build tree and checks its control record and
# contents: what apt shows and resolves, and what dpkg puts on the system.
#
# cmake -DCPACK=<cpack> -DBUILD_DIR=<build> -DOUT=<scratch> -DAPP_ID=<id> -DPROGRAM=<name>
#       -DVERSION=<project version> -P check_deb.cmake
cmake_minimum_required(VERSION 3.25)

find_program(DPKG_DEB dpkg-deb)
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT CPACK OR NOT DPKG_DEB OR NOT DPKG_SHLIBDEPS)
    message("SKIP: cpack, dpkg-deb or dpkg-shlibdeps is not installed")
    return()
endif()

set(failures "")
macro(fail what)
    list(APPEND failures "${what}")
    message("FAIL: ${what}")
endmacro()

file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUT}
    RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cpack failed (${status}):\n${log}")
endif()
file(GLOB debs ${OUT}/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one package, cpack made: ${debs}")
endif()

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch
    OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(deb_name ${debs} NAME)
if(arch AND NOT deb_name STREQUAL "vornratingcalc_${VERSION}_${arch}.deb")
    fail("package file is ${deb_name}, not the Debian name vornratingcalc_${VERSION}_${arch}.deb")
endif()

function(field name out)
    execute_process(COMMAND ${DPKG_DEB} --field ${debs} ${name} OUTPUT_VARIABLE value
        OUTPUT_STRIP_TRAILING_WHITESPACE)
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

field(Package package)
field(Version version)
field(Depends depends)
field(Recommends recommends)
field(Maintainer maintainer)
field(Section section)
field(Description description)
message("Depends: ${depends}")
message("Recommends: ${recommends}")

if(NOT package STREQUAL "vornratingcalc")
    fail("Package is '${package}'")
endif()
if(NOT version STREQUAL VERSION)
    fail("Version is '${version}', the project is ${VERSION}")
endif()
# Each entry is "name", "name (>= version)" or alternatives "a | b".
function(package_names relation out)
    string(REPLACE "," ";" entries "${relation}")
    set(names "")
    foreach(entry IN LISTS entries)
        string(REGEX MATCH "^[ ]*([a-z0-9.+-]+)" name "${entry}")
        list(APPEND names ${CMAKE_MATCH_1})
    endforeach()
    set(${out} ${names} PARENT_SCOPE)
endfunction()
package_names("${depends}" names)
# The fonts the windows are drawn with (Arabic's and Chinese's among them) and the X11
# platform plugin.
foreach(needed fonts-urw-base35 fonts-liberation2 fonts-dejavu-core fonts-droid-fallback
        qt6-qpa-plugins libqt6widgets6 libqt6gui6 libqt6core6 libc6)
    if(NOT needed IN_LIST names)
        fail("Depends lacks ${needed}: ${depends}")
    endif()
endforeach()
# Qt's texts that the program shows are in its own translations; Qt's catalogues are
# GPL-licensed data the program must not need.
if("qt6-translations-l10n" IN_LIST names)
    fail("Depends names qt6-translations-l10n: ${depends}")
endif()
# Japanese in its own letterforms.
package_names("${recommends}" names)
foreach(needed fonts-noto-cjk)
    if(NOT needed IN_LIST names)
        fail("Recommends lacks ${needed}: '${recommends}'")
    endif()
endforeach()
if(NOT maintainer MATCHES "^[^<]+ <[^@> ]+@[^> ]+>$")
    fail("Maintainer is not 'name <address>': '${maintainer}'")
endif()
if(section STREQUAL "" OR section STREQUAL "devel")
    fail("Section is '${section}'")
endif()
# First line the summary, then the long description.
if(NOT description MATCHES "^[^\n]+\n .+")
    fail("Description has no summary and long text: '${description}'")
endif()

execute_process(COMMAND ${DPKG_DEB} --contents ${debs} OUTPUT_VARIABLE listing
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "dpkg-deb cannot list the package")
endif()
# Keep the paths of regular files only: "mode owner size date time ./path".
string(PREPEND listing "\n")
string(REGEX MATCHALL "\n-[rwxsSt-]+ [^\n]* \\./[^\n]*" rows "${listing}")
set(files "")
foreach(row IN LISTS rows)
    string(REGEX REPLACE ".* \\./" "/" path "${row}")
    list(APPEND files ${path})
    if(NOT path MATCHES "^/usr/(bin|share)/")
        fail("package installs outside /usr/bin and /usr/share: ${path}")
    endif()
endforeach()
set(expected /usr/bin/${PROGRAM}
    /usr/share/applications/${APP_ID}.desktop
    /usr/share/metainfo/${APP_ID}.metainfo.xml
    /usr/share/man/man1/${PROGRAM}.1.gz
    /usr/share/doc/vornratingcalc/copyright
    /usr/share/doc/vornratingcalc/changelog.gz)
foreach(size 16 32 48 64 128 256)
    list(APPEND expected /usr/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(file IN LISTS expected)
    if(NOT file IN_LIST files)
        fail("package lacks ${file}")
    endif()
endforeach()
if(NOT listing MATCHES "-rwxr-xr-x root/root [^\n]* \\./usr/bin/${PROGRAM}\n")
    fail("/usr/bin/${PROGRAM} is not an executable owned by root:\n${listing}")
endif()

# Debian forbids a private library search path in a program under /usr/bin.
set(root ${OUT}/root)
execute_process(COMMAND ${DPKG_DEB} --extract ${debs} ${root} RESULT_VARIABLE status)
if(status EQUAL 0 AND EXISTS ${root}/usr/bin/${PROGRAM})
    file(READ_ELF ${root}/usr/bin/${PROGRAM} RPATH rpath RUNPATH runpath)
    if(rpath OR runpath)
        fail("/usr/bin/${PROGRAM} carries a library search path: '${rpath}${runpath}'")
    endif()
else()
    fail("dpkg-deb cannot unpack the package")
endif()

if(failures)
    message(FATAL_ERROR "the package is wrong")
endif()
