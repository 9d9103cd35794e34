#!/usr/bin/env bash
# Builds a static, minimal Qt for 64-bit Windows from Debian's qt6-base source
# and installs it into a cache outside the repository. Does nothing when that
# cache is already complete. Prints the install prefix, and nothing else, on standard
# output; what it is doing, and the build's progress, go to standard error:
#
#     VRC_WINDOWS_QT=$(bash tools/windows-qt.sh)
#
# Needs: g++-mingw-w64-x86-64-posix, qt6-base-dev-tools (host moc/rcc/uic of the
# same version), cmake, ninja-build, dpkg-dev. tools/dev.sh installs them. The source
# comes from tools/qt-source.sh, the build recipe from tools/qt-build.sh.
set -euo pipefail
# Everything below talks on standard error; the prefix alone goes to the caller's output.
exec 3>&1 1>&2
repo=$(cd "$(dirname "$0")/.." && pwd)
toolchain=$repo/cmake/mingw-w64-x86_64.cmake

# -Os (below) and one section per function, so that the program's link drops what it
# does not reach: 14 MB instead of 20.
section_flags="-ffunction-sections -fdata-sections"
# Changing any of these starts a new cache entry.
options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=OFF
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DFEATURE_network=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF
    # Qt's copy of the MIME database is shared-mime-info's GPL-licensed data, and the
    # program never asks for a MIME type.
    -DFEATURE_mimetype_database=OFF
    -DFEATURE_vulkan=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_testlib=ON
    -DFEATURE_optimize_size=ON
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_pcre2=OFF
)

# The prefix Qt is configured for, and so the one it writes into the libraries. It is the
# same for every builder; the files are installed under the cache with DESTDIR, and Qt's
# CMake packages find themselves wherever they lie.
configured_prefix=/opt/vornratingcalc/qt6-mingw64
# Folders the compiler sees are named in the libraries (assertion messages, __FILE__) by
# these names instead, whoever builds and wherever.
source_name=/usr/src/qt6-base
build_name=/usr/src/qt6-base/build
# Bump when the build changes in a way the options above do not show.
recipe=reproducible-2

cache=${XDG_CACHE_HOME:-$HOME/.cache}/vornratingcalc
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null | sed 's/[+~-].*//')
[ -n "$qt_version" ] || { echo "windows-qt: qt6-base-dev-tools is not installed"; exit 1; }
key=$( (printf '%s\n' "$qt_version" "$recipe" "$configured_prefix" "$source_name" "$build_name" \
    "$section_flags" "${options[@]}"; cat "$toolchain") | sha256sum | cut -c1-12)
root=$cache/qt-$qt_version-mingw64-static-$key
prefix=$root$configured_prefix

# shellcheck source=tools/qt-lock.sh
. "$repo/tools/qt-lock.sh"
hold_lock windows-qt "$root.lock"
if [ -f "$root/.complete" ]; then
    echo "windows-qt: using the cached Qt $qt_version for Windows"
    echo "$prefix" >&3
    exit 0
fi

src=$(bash "$repo/tools/qt-source.sh")

build=$cache/build-qt-$key
echo "windows-qt: building Qt $qt_version for Windows (static, minimal)."
echo "windows-qt: this takes about 30 minutes on 2 cores; it is cached in $prefix"
echo "windows-qt: configuring (under a minute)"
# shellcheck source=tools/qt-build.sh
. "$repo/tools/qt-build.sh"
build_qt windows-qt "$section_flags" -DCMAKE_TOOLCHAIN_FILE="$toolchain"
echo "$prefix" >&3
