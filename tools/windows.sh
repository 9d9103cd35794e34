#!/usr/bin/env bash
# The Windows program: builds (or reuses) the static Qt for Windows, cross-builds the
# program and its tests, runs them under Wine on a private X display with a window
# manager, and leaves the installer and the zip in build-windows/. Every step that
# cannot run fails; nothing is skipped. tools/dev.sh installs what this needs.
set -euo pipefail
cd "$(dirname "$0")/.."

VRC_WINDOWS_QT=$(bash tools/windows-qt.sh | tail -n 1)
export VRC_WINDOWS_QT

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

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)

# One Wine server for the whole run, so that each test does not pay for starting one.
tools/wine-run.sh cmd /c exit 0
wineserver -p

ctest --preset windows
ls -l build-windows/VornRatingCalc-*-win64.exe build-windows/VornRatingCalc-*-win64.zip
