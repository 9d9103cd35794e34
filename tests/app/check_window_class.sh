#!/usr/bin/env bash
# Starts the program on a private Xvfb and checks that the X11 class of its windows is the
# one its menu entry names in StartupWMClass: otherwise a desktop cannot tie the running
# window to the entry (wrong taskbar icon, a launch that seems never to finish).
#
# usage: check_window_class.sh PROGRAM DESKTOP_FILE
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=../../tools/private_xvfb.sh
source "$(dirname "$0")/../../tools/private_xvfb.sh"
program=$1
desktop_file=$2

for tool in Xvfb xwininfo; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (packages xvfb, x11-utils)"
        exit 0
    fi
done
expected=$(sed -n 's/^StartupWMClass=//p' "$desktop_file")
if [ -z "$expected" ]; then
    echo "FAIL: $desktop_file names no StartupWMClass" >&2
    exit 1
fi

work=$(mktemp -d)
xvfb_pid=""
program_pid=""
cleanup() {
    if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

if ! start_private_xvfb "$work"; then
    echo "SKIP: Xvfb did not start"
    exit 0
fi
if ! xwininfo -display "$display" -root >/dev/null 2>&1; then
    echo "SKIP: Xvfb on $display does not answer"
    exit 0
fi

env -u WAYLAND_DISPLAY DISPLAY="$display" QT_QPA_PLATFORM=xcb "$program" >"$work/program.log" 2>&1 &
program_pid=$!
# Each window line of the tree ends its name with ("instance" "class") once it has one.
classes=""
for _ in $(seq 600); do
    classes=$(xwininfo -display "$display" -root -tree | sed -n 's/.*: ("[^"]*" "\([^"]*\)").*/\1/p' |
        sort -u)
    [ -n "$classes" ] && break
    if ! kill -0 "$program_pid" 2>/dev/null; then
        echo "FAIL: the program ended before showing a window:" >&2
        cat "$work/program.log" >&2
        exit 1
    fi
    sleep 0.05
done
if [ -z "$classes" ]; then
    echo "FAIL: the program showed no window" >&2
    exit 1
fi
if [ "$classes" != "$expected" ]; then
    echo "FAIL: the windows' class is '$classes', the menu entry says StartupWMClass=$expected" >&2
    exit 1
fi
echo "window class $classes matches the menu entry"
