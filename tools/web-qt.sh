#!/usr/bin/env bash
# Builds QtCore alone, static and as small as the engine allows, for WebAssembly with
# Debian's emscripten from Debian's qt6-base source, and installs it into a cache outside
# the repository. Does nothing when that cache is already complete. Prints the install
# prefix, and nothing else, on standard output; what it is doing, and the build's
# progress, go to standard error:
#
#     VRC_WEB_QT=$(bash tools/web-qt.sh)
#
# Needs: emscripten, qt6-base-dev-tools (host moc/rcc of the same version), cmake,
# ninja-build, dpkg-dev. tools/dev.sh installs them. The source comes from
# tools/qt-source.sh, the build recipe from tools/qt-build.sh.
set -euo pipefail
exec 3>&1 1>&2
repo=$(cd "$(dirname "$0")/.." && pwd)
toolchain=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake

# Everything the engine does not reach is off: it reads numbers through QLocale and
# keeps text in QString, nothing more. Regular expressions stay: 6.4's configure requires
# PCRE2 whatever the feature says, and the link drops what nothing calls; so do dates as
# text, which CBOR needs.
# Without the system locale QLocale reads only its own tables, as the engine asks it to,
# and QVariant with every type it converts stays out of the link: three quarters of the
# download. Qt's own debug, info and warning messages would reach no one.
defines="QT_NO_SYSTEMLOCALE;QT_NO_DEBUG_OUTPUT;QT_NO_INFO_OUTPUT;QT_NO_WARNING_OUTPUT"
# Changing any of these starts a new cache entry.
options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=OFF
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DFEATURE_optimize_size=ON
    -DFEATURE_gui=OFF
    -DFEATURE_widgets=OFF
    -DFEATURE_network=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_testlib=OFF
    -DFEATURE_thread=OFF
    -DFEATURE_future=OFF
    -DFEATURE_cxx11_future=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_mimetype=OFF
    -DFEATURE_timezone=OFF
    -DFEATURE_datetimeparser=OFF
    -DFEATURE_jalalicalendar=OFF
    -DFEATURE_islamiccivilcalendar=OFF
    -DFEATURE_hijricalendar=OFF
    -DFEATURE_translation=OFF
    -DFEATURE_settings=OFF
    -DFEATURE_library=OFF
    -DFEATURE_process=OFF
    -DFEATURE_processenvironment=OFF
    -DFEATURE_temporaryfile=OFF
    -DFEATURE_filesystemwatcher=OFF
    -DFEATURE_filesystemiterator=OFF
    -DFEATURE_itemmodel=OFF
    -DFEATURE_animation=OFF
    -DFEATURE_easingcurve=OFF
    -DFEATURE_gestures=OFF
    -DFEATURE_commandlineparser=OFF
    -DFEATURE_xmlstream=OFF
    -DFEATURE_xmlstreamreader=OFF
    -DFEATURE_xmlstreamwriter=OFF
    -DFEATURE_sharedmemory=OFF
    -DFEATURE_systemsemaphore=OFF
    "-DQT_EXTRA_DEFINES=$defines"
)

# As for the Windows Qt: a fixed configured prefix, installed under the cache with
# DESTDIR, and fixed names for the folders the compiler sees.
configured_prefix=/opt/vornratingcalc/qt6-wasm
source_name=/usr/src/qt6-base
build_name=/usr/src/qt6-base/build
# Bump when the build changes in a way the options above do not show.
recipe=1

cache=${XDG_CACHE_HOME:-$HOME/.cache}/vornratingcalc
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null | sed 's/[+~-].*//')
[ -n "$qt_version" ] || { echo "web-qt: qt6-base-dev-tools is not installed"; exit 1; }
em_version=$(dpkg-query -W -f='${Version}' emscripten 2>/dev/null || true)
[ -n "$em_version" ] || { echo "web-qt: emscripten is not installed"; exit 1; }
# The shared recipe and what it keeps for the notices are part of what the cache holds.
key=$( (printf '%s\n' "$qt_version" "$em_version" "$recipe" "$configured_prefix" "$source_name" \
    "$build_name" "${options[@]}"; cat "$repo/tools/qt-build.sh" "$repo/tools/keep-qt-notices.sh") |
    sha256sum | cut -c1-12)
root=$cache/qt-$qt_version-wasm-static-$key
prefix=$root$configured_prefix

# shellcheck source=tools/qt-lock.sh
. "$repo/tools/qt-lock.sh"
hold_lock web-qt "$root.lock"
if [ -f "$root/.complete" ]; then
    echo "web-qt: using the cached Qt $qt_version for WebAssembly"
    echo "$prefix" >&3
    exit 0
fi

src=$(bash "$repo/tools/qt-source.sh")

# Qt finds emscripten only through an SDK folder: a .emscripten file naming the root
# inside it, where emcc lies.
emsdk=$(bash "$repo/tools/emsdk.sh")
export EMSDK=$emsdk
# Emscripten's optimizer loads Debian's JavaScript modules, which another node does not
# look for by itself.
export NODE_PATH=/usr/share/nodejs

build=$cache/build-qt-$key
echo "web-qt: building QtCore $qt_version for WebAssembly (static, minimal)."
echo "web-qt: this takes about 12 minutes on 2 cores; it is cached in $prefix"
echo "web-qt: configuring (about 5 minutes)"
# shellcheck source=tools/qt-build.sh
. "$repo/tools/qt-build.sh"
build_qt web-qt "" -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten -DCMAKE_TOOLCHAIN_FILE="$toolchain"
echo "$prefix" >&3
