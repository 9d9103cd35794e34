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
    for tool in xprop xwininfo xev; do
        command -v $tool >/dev/null || skip "$tool is not installed (package x11-utils)"
    done
fi

# shellcheck source=../tools/private_xvfb.sh
. "$(dirname "$0")/../tools/private_xvfb.sh"
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# Installed but not coming up is a fault of the machine, not a reason to skip.
start_private_xvfb "$work" || { echo "FAIL: Xvfb did not start"; exit 1; }
pids+=("$xvfb_pid")
export DISPLAY=$display
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

if $wm; then
    ready=true
    start_window_manager "$work" || ready=false
    pids+=("$wm_pid")
    $ready || { echo "FAIL: openbox did not become ready"; exit 1; }
    # A test whose window goes astray shows what openbox did with it.
    export VRC_WM_LOG=$work/wm.log
fi

"$@"
