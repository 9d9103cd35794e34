# Builds whose bytes do not depend on who builds, where, when or under which umask: a
# user can rebuild a release and compare it with the published checksums.
include_guard(GLOBAL)

# Paths the compiler would write into objects (__FILE__ in assertions, debug information,
# and through it the ELF build id) are named relative to the source, wherever it lies.
# GCC applies the map given last first, so the build folder, usually inside the source,
# comes after it.
set(vrc_build_name build)
cmake_path(IS_PREFIX PROJECT_SOURCE_DIR "${PROJECT_BINARY_DIR}" NORMALIZE vrc_build_inside)
if(vrc_build_inside)
    file(RELATIVE_PATH vrc_build_name ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
endif()
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
    -ffile-prefix-map=${PROJECT_BINARY_DIR}=${vrc_build_name})

# Folders the install step creates, and the package archives with them, would otherwise
# take the builder's umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
