#!/usr/bin/env bash
# Runs a test program on a private Xvfb display, under the openbox window
# manager when --wm is given. Exits 77 (skipped, for CTest) when no X server
# or window manager can start here.
#
# usage: run_under_xvfb.sh [--wm] PROGRAM [ARGS...]
set -euo pipefail

wm=false
if [ "${1:-}" = --wm ]; then
    wm=true
    shift
fi
skip() {
    echo "SKIP: $*"
    exit 77
}
command -v Xvfb >/dev/null || skip "no X server: Xvfb is not installed (package xvfb)"
if $wm; then
    command -v openbox >/dev/null || skip "no window manager: openbox is not installed"
    command -v xprop >/dev/null || skip "xprop is not installed (package x11-utils)"
fi

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# -displayfd: the server picks a free display and names it.
Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 200); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
if [ ! -s "$work/display" ]; then
    cat "$work/xvfb.log" >&2
    skip "no X server: Xvfb did not start"
fi
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

if $wm; then
    openbox --sm-disable >"$work/wm.log" 2>&1 &
    pids+=($!)
    # Ready once it has announced itself on the root window.
    for _ in $(seq 200); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
        sleep 0.05
    done
    if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
        cat "$work/wm.log" >&2
        skip "no window manager: openbox did not start"
    fi
fi

"$@"
