# What Debian wants beside the program: the changelog, a machine-readable copyright file
# and the manual page, each installed compressed where policy puts it. Included from
# packaging/CMakeLists.txt once the CPack contact is set.

# The changelog is written by hand; its newest entry must name this release.
file(STRINGS changelog changelog_lines)
list(GET changelog_lines 0 changelog_head)
list(FILTER changelog_lines INCLUDE REGEX "^ -- ")
set(changelog_trailer "")
if(changelog_lines)
    list(GET changelog_lines 0 changelog_trailer)
endif()
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
if(NOT changelog_head MATCHES "^vornratingcalc \\(([^)]+)\\) ")
    message(FATAL_ERROR "packaging/changelog: first line is not an entry: ${changelog_head}")
endif()
set(changelog_version ${CMAKE_MATCH_1})
if(NOT changelog_trailer MATCHES ">  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9]+) ")
    message(FATAL_ERROR "packaging/changelog: no date in ${changelog_trailer}")
endif()
list(FIND months ${CMAKE_MATCH_2} month)
math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
if(month LESS 10)
    set(month 0${month})
endif()
set(changelog_date ${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1})
if(NOT changelog_version STREQUAL PROJECT_VERSION OR NOT changelog_date STREQUAL VRC_RELEASE_DATE)
    message(FATAL_ERROR "packaging/changelog: the newest entry is ${changelog_version} of "
        "${changelog_date}, the project is ${PROJECT_VERSION} of ${VRC_RELEASE_DATE}: add an "
        "entry for this release, or correct the version or VRC_RELEASE_DATE")
endif()

# DEP-5 copyright, its licence text taken from LICENSE: a blank line becomes " .".
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE licence_lines)
set(vrc_copyright "")
set(vrc_license "")
set(in_text OFF)
foreach(line IN LISTS licence_lines)
    if(line MATCHES "^Copyright \\(c\\) (.+)$")
        set(vrc_copyright ${CMAKE_MATCH_1})
        set(in_text ON)
    elseif(in_text AND (line STREQUAL "" AND vrc_license STREQUAL ""))
        continue()
    elseif(in_text AND line STREQUAL "")
        string(APPEND vrc_license " .\n")
    elseif(in_text)
        string(APPEND vrc_license " ${line}\n")
    endif()
endforeach()
string(STRIP "${vrc_license}" vrc_license)
string(PREPEND vrc_license " ")
configure_file(copyright.in ${CMAKE_CURRENT_BINARY_DIR}/copyright @ONLY)

configure_file(vornratingcalc.1.in ${CMAKE_CURRENT_BINARY_DIR}/man/vornratingcalc.1 @ONLY)
configure_file(changelog ${CMAKE_CURRENT_BINARY_DIR}/doc/changelog COPYONLY)
# -n: no name or time stamp inside, so the package is the same on every build.
set(compressed "")
foreach(file man/vornratingcalc.1 doc/changelog)
    set(source ${CMAKE_CURRENT_BINARY_DIR}/${file})
    add_custom_command(OUTPUT ${source}.gz
        COMMAND gzip -9 -n -k -f ${source}
        DEPENDS ${source}
        VERBATIM)
    list(APPEND compressed ${source}.gz)
endforeach()
add_custom_target(vrc_debian_documents ALL DEPENDS ${compressed})

install(FILES ${CMAKE_CURRENT_BINARY_DIR}/man/vornratingcalc.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/doc/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vornratingcalc)

set(VRC_MANUAL_PAGE ${CMAKE_CURRENT_BINARY_DIR}/man/vornratingcalc.1 CACHE INTERNAL "")
