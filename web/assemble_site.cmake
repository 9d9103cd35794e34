# Assembles the site: the page's sources, the engine files and the licences, then stamps
# the service worker with the site's version, so that browsers replace a cached site
# whenever any file of it changes.
#
#   cmake -DSITE=dir -DPAGE=dir -DFILES=file;file... -DABOUT_VERSION=1.0
#         -DLANGUAGE_DIR=dir -DLANGUAGES=de;fr... -P assemble_site.cmake
#
# "@ABOUT_VERSION@" in index.html becomes the version the About text shows, and
# "@LANGUAGES@" in texts.js the languages whose files LANGUAGE_DIR holds (into i18n/);
# manifest-<code>.webmanifest is the web-app manifest in each of them.
# Every "@SITE_VERSION@" in sw.js becomes a hash of all the other files, names and
# contents; site-files.json lists them, with that version, for the worker to cache: all
# but the language files, which it keeps for the languages its reader uses.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${SITE})
file(MAKE_DIRECTORY ${SITE})
if(EXISTS ${PAGE})
    file(COPY ${PAGE}/ DESTINATION ${SITE})
endif()
foreach(extra IN LISTS FILES)
    if(EXISTS ${extra})
        file(COPY ${extra} DESTINATION ${SITE})
    endif()
endforeach()

if(DEFINED LANGUAGE_DIR)
    file(COPY ${LANGUAGE_DIR}/ DESTINATION ${SITE}/i18n)
endif()
# The web-app manifest in each language, beside the English one (its addresses are
# relative to where it lies): named and described as the page is, from its language file.
if(EXISTS ${SITE}/manifest.webmanifest)
    file(READ ${SITE}/manifest.webmanifest manifest)
    foreach(code IN LISTS LANGUAGES)
        file(READ ${SITE}/i18n/${code}.json texts)
        string(JSON product GET "${texts}" "vrc::ui::AboutWindow" "Vorn Rating Calculator")
        string(JSON description GET "${texts}" "WebPage"
            "Work out each player's new rating after a win and after a loss from the ratings of both teams.")
        set(translated "${manifest}")
        foreach(member name description)
            if(member STREQUAL "name")
                set(value "Kestrix ${product}")
            else()
                set(value "${description}")
            endif()
            string(REPLACE "\\" "\\\\" value "${value}")
            string(REPLACE "\"" "\\\"" value "${value}")
            string(JSON translated SET "${translated}" ${member} "\"${value}\"")
        endforeach()
        string(REPLACE "_" "-" tag ${code})
        string(JSON translated SET "${translated}" lang "\"${tag}\"")
        if(code MATCHES "^(ar|fa|he|ur)(_|$)")
            string(JSON translated SET "${translated}" dir "\"rtl\"")
        endif()
        file(WRITE ${SITE}/manifest-${code}.webmanifest "${translated}\n")
    endforeach()
endif()

if(EXISTS ${SITE}/texts.js)
    list(JOIN LANGUAGES " " language_list)
    file(READ ${SITE}/texts.js texts)
    string(REPLACE "@LANGUAGES@" "${language_list}" texts "${texts}")
    file(WRITE ${SITE}/texts.js "${texts}")
endif()

if(EXISTS ${SITE}/index.html)
    file(READ ${SITE}/index.html page)
    string(REPLACE "@ABOUT_VERSION@" "${ABOUT_VERSION}" page "${page}")
    file(WRITE ${SITE}/index.html "${page}")
endif()

file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(digests "")
set(names "")
foreach(name IN LISTS files)
    file(SHA256 ${SITE}/${name} digest)
    string(APPEND digests "${name} ${digest}\n")
    if(NOT name MATCHES "^i18n/")
        list(APPEND names "\"${name}\"")
    endif()
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING ${version} 0 16 version)
list(JOIN names ", " names)
file(WRITE ${SITE}/site-files.json "{\"version\": \"${version}\", \"files\": [${names}]}\n")
if(EXISTS ${SITE}/sw.js)
    file(READ ${SITE}/sw.js worker)
    string(REPLACE "@SITE_VERSION@" ${version} worker "${worker}")
    file(WRITE ${SITE}/sw.js "${worker}")
endif()
