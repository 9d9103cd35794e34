# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads,
# which Qt needs). Used for the Windows Qt and for the program itself.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VRC_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VRC_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VRC_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VRC_MINGW_TRIPLET}-windres)

# The Windows Qt lives outside the sysroot, so it joins the search roots.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${VRC_MINGW_TRIPLET})
if(DEFINED ENV{VRC_WINDOWS_QT})
    list(APPEND CMAKE_FIND_ROOT_PATH $ENV{VRC_WINDOWS_QT})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
