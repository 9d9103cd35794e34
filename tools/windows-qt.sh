#!/usr/bin/env bash
# Builds a static, minimal Qt for 64-bit Windows from Debian's qt6-base source
# and installs it into a cache outside the repository. Does nothing when that
# cache is already complete. Prints the install prefix, and nothing else, on standard
# output; what it is doing, and the build's progress, go to standard error:
#
#     VRC_WINDOWS_QT=$(bash tools/windows-qt.sh)
#
# Needs: g++-mingw-w64-x86-64-posix, qt6-base-dev-tools (host moc/rcc/uic of the
# same version), cmake, ninja-build, dpkg-dev. tools/dev.sh installs them.
set -euo pipefail
# Everything below talks on standard error; the prefix alone goes to the caller's output.
exec 3>&1 1>&2
repo=$(cd "$(dirname "$0")/.." && pwd)
toolchain=$repo/cmake/mingw-w64-x86_64.cmake

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
    -DFEATURE_vulkan=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_testlib=ON
    # -Os and one section per function, so that the program's link drops what it
    # does not reach: 14 MB instead of 20.
    -DFEATURE_optimize_size=ON
    "-DCMAKE_C_FLAGS=-ffunction-sections -fdata-sections"
    "-DCMAKE_CXX_FLAGS=-ffunction-sections -fdata-sections"
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_pcre2=OFF
)

cache=${XDG_CACHE_HOME:-$HOME/.cache}/vornratingcalc
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null | sed 's/[+~-].*//')
[ -n "$qt_version" ] || { echo "windows-qt: qt6-base-dev-tools is not installed"; exit 1; }
key=$( (printf '%s\n' "$qt_version" "${options[@]}"; cat "$toolchain") | sha256sum | cut -c1-12)
prefix=$cache/qt-$qt_version-mingw64-static-$key

if [ -f "$prefix/.complete" ]; then
    echo "windows-qt: using the cached Qt $qt_version for Windows"
    echo "$prefix" >&3
    exit 0
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo

# Source packages need a deb-src entry; add one mirroring the binary sources.
if ! grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    echo "windows-qt: adding deb-src entries for the configured Debian sources"
    {
        for f in /etc/apt/sources.list.d/*.sources; do
            [ -f "$f" ] && sed -E 's/^Types:.*/Types: deb-src/' "$f" && echo
        done
    } | $sudo tee /etc/apt/sources.list.d/vornratingcalc-deb-src.sources >/dev/null
    if [ -f /etc/apt/sources.list ]; then
        sed -nE 's/^deb[[:space:]]/deb-src /p' /etc/apt/sources.list |
            $sudo tee /etc/apt/sources.list.d/vornratingcalc-deb-src.list >/dev/null
    fi
    $sudo apt-get update -qq
fi

src_root=$cache/src
mkdir -p "$src_root"
src=$(find "$src_root" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -n 1)
if [ -z "$src" ] || [ ! -f "$src/.unpacked" ]; then
    echo "windows-qt: fetching the qt6-base $qt_version source package"
    rm -rf "${src_root:?}"/*
    (cd "$src_root" && apt-get source -qq "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)")
    src=$(find "$src_root" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -n 1)
    [ -n "$src" ] || { echo "windows-qt: the source package did not unpack"; exit 1; }
    touch "$src/.unpacked"
fi

build=$cache/build-qt-$key
echo "windows-qt: building Qt $qt_version for Windows (static, minimal)."
echo "windows-qt: this takes about 30 minutes on 2 cores; it is cached in $prefix"
echo "windows-qt: configuring (under a minute)"
cmake -S "$src" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "${options[@]}" >"$cache/configure-$key.log" 2>&1 ||
    { tail -n 40 "$cache/configure-$key.log"; exit 1; }
# Ninja's status: steps done of all, the share done and the seconds so far. On a terminal
# it is one line that keeps changing; in a log, one line a step.
echo "windows-qt: compiling"
NINJA_STATUS="[%f/%t %p, %e s] " cmake --build "$build" --parallel "$(nproc)"
echo "windows-qt: installing into $prefix"
cmake --install "$build" >/dev/null
touch "$prefix/.complete"
rm -rf "$build"
echo "$prefix" >&3
