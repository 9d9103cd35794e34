# Builds native Linux programs with the protections Debian gives every package: fortified
# libc calls, stack protector and stack-clash probes, control-flow protection, PIE, and a
# read-only GOT resolved at start (relro + now).
#
# The flags come from dpkg-buildflags where it exists, as in Debian's own builds; the list
# below fills in what it leaves out (Debian 12 omits stack-clash and cf-protection) and
# stands in for it elsewhere. Off for cross builds and for the sanitizer preset, whose
# instrumentation does its own checking.
include_guard(GLOBAL)

set(vrc_hardening_default OFF)
if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND NOT CMAKE_CROSSCOMPILING)
    set(vrc_hardening_default ON)
endif()
option(VRC_HARDENING "Build with the hardening flags of a Debian package" ${vrc_hardening_default})
if(NOT VRC_HARDENING)
    return()
endif()

set(vrc_compile_flags -fstack-protector-strong -fstack-clash-protection -fcf-protection
    -Wformat -Werror=format-security)
set(vrc_link_flags -Wl,-z,relro -Wl,-z,now)
set(vrc_fortify -D_FORTIFY_SOURCE=2)

find_program(VRC_DPKG_BUILDFLAGS dpkg-buildflags)
mark_as_advanced(VRC_DPKG_BUILDFLAGS)
if(VRC_DPKG_BUILDFLAGS)
    function(vrc_dpkg_flags kind out)
        execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${VRC_DPKG_BUILDFLAGS} --get ${kind}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
        if(NOT status EQUAL 0)
            set(flags "")
        endif()
        separate_arguments(flags UNIX_COMMAND "${flags}")
        # Optimisation, debug information and path mapping belong to the build type.
        list(FILTER flags EXCLUDE REGEX "^-(O.*|g.*|ffile-prefix-map=.*|fdebug-prefix-map=.*)$")
        set(${out} ${flags} PARENT_SCOPE)
    endfunction()
    vrc_dpkg_flags(CXXFLAGS dpkg_cxx)
    vrc_dpkg_flags(CPPFLAGS dpkg_cpp)
    vrc_dpkg_flags(LDFLAGS dpkg_ld)
    # dpkg's own fortify level wins; the rest of its preprocessor flags are ordinary ones.
    set(dpkg_fortify ${dpkg_cpp})
    list(FILTER dpkg_fortify INCLUDE REGEX "^-D_FORTIFY_SOURCE=")
    list(FILTER dpkg_cpp EXCLUDE REGEX "^-D_FORTIFY_SOURCE=")
    if(dpkg_fortify)
        set(vrc_fortify ${dpkg_fortify})
    endif()
    list(PREPEND vrc_compile_flags ${dpkg_cxx} ${dpkg_cpp})
    list(PREPEND vrc_link_flags ${dpkg_ld})
    list(REMOVE_DUPLICATES vrc_compile_flags)
    list(REMOVE_DUPLICATES vrc_link_flags)
endif()

add_compile_options(${vrc_compile_flags})
# glibc's fortified calls need the optimiser, and warn without it.
add_compile_options("$<$<NOT:$<CONFIG:Debug>>:${vrc_fortify}>")
add_link_options(${vrc_link_flags})

set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)

string(JOIN " " summary ${vrc_compile_flags} ${vrc_fortify} ${vrc_link_flags})
message(STATUS "Hardening: ${summary}, PIE")
