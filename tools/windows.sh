#!/usr/bin/env bash
# The Windows program: builds (or reuses) the static Qt for Windows, cross-builds the
# program and its tests, runs them under Wine on a private X display with a window
# manager, and leaves the installer and the zip in build-windows/. Every step that
# cannot run fails; nothing is skipped. tools/dev.sh installs what this needs.
set -euo pipefail
cd "$(dirname "$0")/.."

# The Qt build talks on the terminal; only the prefix comes back here.
VRC_WINDOWS_QT=$(bash tools/windows-qt.sh)
[ -d "$VRC_WINDOWS_QT" ] || {
    echo "windows: tools/windows-qt.sh gave no Qt prefix ('$VRC_WINDOWS_QT')" >&2
    exit 1
}
export VRC_WINDOWS_QT
# The prefix tools/wine-run.sh uses, so that the Wine server kept up below is that one.
export WINEPREFIX=${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/vornratingcalc/wineprefix}

cmake --preset windows
cmake --build --preset windows

work=$(mktemp -d)
pids=()
cleanup() {
    wineserver -k 2>/dev/null || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# One X display with a window manager for every test, as a desktop has.
. tools/private_xvfb.sh
start_private_xvfb "$work"
pids+=("$xvfb_pid")
export DISPLAY=$display
start_window_manager "$work"
pids+=("$wm_pid")

# One Wine server for the whole run, so that each test does not pay for starting one;
# the first start makes the prefix.
tools/wine-run.sh cmd /c exit 0
wineserver -w
wineserver -p
# Wine's own services start with the first program and hold its output open: start
# them here, not under the first test, which CTest would then wait on.
tools/wine-run.sh cmd /c exit 0 >/dev/null 2>&1

ctest --preset windows
ls -l build-windows/VornRatingCalc-*-win64.exe build-windows/VornRatingCalc-*-win64.zip
