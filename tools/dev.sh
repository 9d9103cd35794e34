#!/usr/bin/env bash
# Installs what is missing, builds, then starts the program (run), runs every
# test (test), or cross-builds and tests the Windows program under Wine and
# leaves its installer and zip in build-windows/ (windows), builds and tests the web
# edition and leaves its site in build-web/site/ (web), or builds the release files into
# dist/ and checks that a second build gives the same bytes (release). Works on a fresh
# Debian 12 machine as root or with sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
# Every build of one commit gives the same bytes, whichever command builds it: the times
# tools write into files (the Windows program's link time among them) are the commit's.
if [ -z "${SOURCE_DATE_EPOCH:-}" ] && commit_time=$(git log -1 --format=%ct 2>/dev/null); then
    export SOURCE_DATE_EPOCH=$commit_time
fi

mode=${1:-}
case "$mode" in
run | test | windows | web | release) ;;
*)
    echo "usage: bash tools/dev.sh run|test|windows|web|release" >&2
    exit 2
    ;;
esac

# Each list names every package the mode's commands use: recommendations are not
# installed, so that nothing else (fonts above all) reaches the tests unseen.
# Linguist's tools: every mode compiles or converts the translations. Python writes the
# packaging files' translations. The fonts are those the Debian package depends on, the
# only ones the window tests draw with.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-private-dev qt6-qpa-plugins
    libxkbcommon-dev libxcb1-dev fonts-urw-base35 fonts-liberation2 fonts-dejavu-core
    fonts-droid-fallback qt6-tools-dev qt6-l10n-tools python3)
if [ "$mode" = test ]; then
    # mmdebstrap builds the minimal Debian the package is tried on; fribidi shows the
    # command line's Arabic as a terminal would. The CJK faces the package recommends let
    # the language test see Japanese drawn in its own face (the fit tests ignore them).
    packages+=(libbenchmark-dev clang libclang-rt-14-dev binutils-mingw-w64-x86-64
        desktop-file-utils appstream valgrind dpkg-dev file xvfb x11-utils openbox lintian
        man-db groff-base dbus-daemon at-spi2-core python3-pyatspi mmdebstrap
        libfribidi-bin fonts-noto-cjk)
fi
if [ "$mode" = windows ]; then
    # wine is the command; Wine draws with its own faces and Liberation's, and loads the
    # X extensions it uses at run time; xvfb-run needs xauth.
    packages+=(qt6-base-dev-tools g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 dpkg-dev
        wine wine64 fonts-wine fonts-liberation libxrender1 libxrandr2 libxi6 libxcursor1
        libxinerama1 libxcomposite1 libxxf86vm1 nsis xvfb xauth openbox xdotool x11-utils
        python3-pefile strip-nondeterminism locales)
fi
if [ "$mode" = release ]; then
    # diffoscope reports a difference between two builds (zipinfo for the zip); the
    # package is tried on a minimal Debian (mmdebstrap) with the packaging tests.
    packages+=(qt6-base-dev-tools g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 dpkg-dev
        nsis python3-pefile strip-nondeterminism desktop-file-utils appstream lintian
        man-db groff-base git locales tzdata diffoscope-minimal unzip mmdebstrap)
    # The JavaScript package: the engine for WebAssembly, packed by npm.
    packages+=(emscripten)
    command -v npm >/dev/null || packages+=(npm)
fi
if [ "$mode" = web ]; then
    # emscripten brings node, which runs the web tests too.
    packages+=(emscripten wabt qt6-base-dev-tools dpkg-dev)
    # The page's tests drive the system's browsers; npm fetches their driver and axe-core.
    packages+=(chromium firefox-esr ca-certificates)
    command -v npm >/dev/null || packages+=(npm)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi

if [ "$mode" = windows ]; then
    exec bash tools/windows.sh
fi
if [ "$mode" = web ]; then
    exec bash tools/web.sh
fi
if [ "$mode" = release ]; then
    exec bash tools/release.sh
fi

cmake --preset default
cmake --build --preset default

if [ "$mode" = run ]; then
    exec ./build/app/vornratingcalc
fi

ctest --preset default
# The engine and runtime again under AddressSanitizer and UndefinedBehaviorSanitizer,
# with a bounded fuzzing run.
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize
