# Runs Debian's package checker on the package the packaging_deb test built, and fails on
# any error or warning it reports (its info and pedantic notes are printed too).
#
# cmake -DDEB_DIR=<folder with the .deb> -P run_lintian.cmake
cmake_minimum_required(VERSION 3.25)
find_program(LINTIAN lintian)
if(NOT LINTIAN)
    message("SKIP: lintian is not installed")
    return()
endif()
file(GLOB debs ${DEB_DIR}/*.deb)
if(NOT debs)
    message(FATAL_ERROR "no package in ${DEB_DIR}")
endif()

execute_process(COMMAND ${LINTIAN} --info --pedantic --fail-on error,warning ${debs}
    RESULT_VARIABLE status OUTPUT_VARIABLE tags ERROR_VARIABLE log)
message("${tags}")
# Its own complaints (such as running as root) are not about the package.
if(NOT status EQUAL 0 OR tags MATCHES "(^|\n)[EW]: ")
    message(FATAL_ERROR "lintian rejects the package (status ${status}):\n${tags}${log}")
endif()
