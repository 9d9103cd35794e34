#!/usr/bin/env bash
# Fetches and unpacks Debian's qt6-base source package, of the version of the installed
# qt6-base-dev-tools, into the cache the Qt builds share; does nothing when it is there.
# Prints the source folder, and nothing else, on standard output; progress goes to
# standard error:
#
#     src=$(bash tools/qt-source.sh)
#
# Needs: qt6-base-dev-tools, dpkg-dev.
set -euo pipefail
exec 3>&1 1>&2

cache=${XDG_CACHE_HOME:-$HOME/.cache}/vornratingcalc
package_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null || true)
[ -n "$package_version" ] || { echo "qt-source: qt6-base-dev-tools is not installed"; exit 1; }
qt_version=${package_version%%[+~-]*}

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo

# Source packages need a deb-src entry; add one mirroring the binary sources.
if ! grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    echo "qt-source: adding deb-src entries for the configured Debian sources"
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
# shellcheck source=tools/qt-lock.sh
. "$(dirname "$0")/qt-lock.sh"
hold_lock qt-source "$src_root.lock"
mkdir -p "$src_root"
src=$(find "$src_root" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -n 1)
if [ -z "$src" ] || [ ! -f "$src/.unpacked" ]; then
    echo "qt-source: fetching the qt6-base $qt_version source package"
    rm -rf "${src_root:?}"/*
    (cd "$src_root" && apt-get source -qq "qt6-base=$package_version")
    src=$(find "$src_root" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -n 1)
    [ -n "$src" ] || { echo "qt-source: the source package did not unpack"; exit 1; }
    touch "$src/.unpacked"
fi
echo "$src" >&3
