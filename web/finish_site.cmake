# Completes a site folder that already holds the page's sources and the engine:
#   cmake -DSOURCE_DIR=<repository> -DSITE_DIR=<site> -DVERSION=<project version> -P finish_site.cmake
# Puts the version into the About text, brings in the icons and pictures, and writes
# site-files.js: every file the service worker keeps for offline use, with a version taken
# from their contents, so that any change to the site makes browsers replace the old one.
# Run it last: files added to the site afterwards are not kept offline.

foreach(variable SOURCE_DIR SITE_DIR VERSION)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "finish_site.cmake needs -D${variable}=...")
    endif()
endforeach()

string(REPLACE "." ";" version_parts "${VERSION}")
list(GET version_parts 0 VRC_VERSION_MAJOR)
list(GET version_parts 1 VRC_VERSION_MINOR)
file(READ "${SITE_DIR}/index.html" page)
string(CONFIGURE "${page}" page @ONLY)
file(WRITE "${SITE_DIR}/index.html" "${page}")

set(resources "${SOURCE_DIR}/resources")
file(COPY "${resources}/pictures/about.jpg" "${resources}/pictures/rating.jpg"
     DESTINATION "${SITE_DIR}/pictures")
file(COPY "${resources}/icons/hicolor/scalable/vornratingcalc.svg" DESTINATION "${SITE_DIR}/icons")
foreach(size 128 256)
    file(COPY_FILE "${resources}/icons/hicolor/${size}x${size}/vornratingcalc.png"
         "${SITE_DIR}/icons/vornratingcalc-${size}.png")
endforeach()

# The worker itself and this list are checked by the browser on every visit, not kept.
file(GLOB_RECURSE files RELATIVE "${SITE_DIR}" LIST_DIRECTORIES false "${SITE_DIR}/*")
list(REMOVE_ITEM files sw.js site-files.js)
list(SORT files)
set(digests "")
set(entries "")
foreach(file IN LISTS files)
    file(SHA256 "${SITE_DIR}/${file}" digest)
    string(APPEND digests "${file} ${digest}\n")
    string(APPEND entries "\n        '${file}',")
endforeach()
string(SHA256 site_digest "${digests}")
string(SUBSTRING "${site_digest}" 0 16 site_version)
file(WRITE "${SITE_DIR}/site-files.js"
     "// Written by finish_site.cmake: the files kept for offline use and their version.\n"
     "self.siteFiles = {\n    version: '${VERSION}-${site_version}',\n    files: [${entries}\n    ],\n};\n")
