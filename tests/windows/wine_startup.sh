#!/usr/bin/env bash
# Starts the Windows program under Wine as a user would and checks the start-up order:
# the About window alone first and off the taskbar, Enter closes it, then the rating
# window with its taskbar entry; Alt+X ends the program with status 0. Uses $DISPLAY (with a window manager, so the new window takes
# the keyboard), or a private Xvfb with openbox when there is none.
#
# usage: wine_startup.sh PROGRAM.exe [SCREENSHOT_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1
shots=${2:-}
title="Kestrix Vorn Rating Calculator - TQX"

for tool in xdotool xwininfo xprop xev wine Xvfb openbox; do
    command -v "$tool" >/dev/null || {
        echo "wine_startup: $tool is needed (packages xdotool, x11-utils, wine64, xvfb, openbox)" >&2
        exit 1
    }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
    # shellcheck source=../../tools/private_xvfb.sh
    . "$here/../../tools/private_xvfb.sh"
    start_private_xvfb "$work"
    pids+=("$xvfb_pid")
    export DISPLAY=$display
    start_window_manager "$work"
    pids+=("$wm_pid")
fi

# Prints "WIDTHxHEIGHT" of every viewable window with the program's title. A window
# may go between the search and the look at it: that one is simply not listed.
windows() {
    local id info
    for id in $(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null || true); do
        info=$(xwininfo -id "$id" 2>/dev/null) || continue
        awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }' <<<"$info"
    done | sort
}

# Waits up to 60 s (Wine's first start in a prefix is slow) for the windows to be $1.
expect_windows() {
    local want=$1 seen=""
    for _ in $(seq 600); do
        seen=$(windows | paste -sd' ')
        [ "$seen" = "$want" ] && return 0
        kill -0 "$app" 2>/dev/null || { echo "wine_startup: the program ended early" >&2; exit 1; }
        sleep 0.1
    done
    echo "wine_startup: expected windows '$want', saw '${seen:-none}'" >&2
    exit 1
}

# Waits up to 30 s for the window of size $1 to be the active one, so that the keys typed
# next reach it rather than the window manager's idea of the last window.
expect_active() {
    local want=$1 seen=""
    local deadline=$((SECONDS + 30))
    while [ $SECONDS -lt $deadline ]; do
        seen=$(xwininfo -id "$(xdotool getactivewindow 2>/dev/null || echo 0)" 2>/dev/null |
            awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }') || true
        [ "$seen" = "$want" ] && return 0
        sleep 0.1
    done
    echo "wine_startup: the $want window did not become active; active: '${seen:-none}'" >&2
    exit 1
}

shot() {
    if [ -n "$shots" ] && command -v import >/dev/null; then
        import -window root "$shots/$1.png"
    fi
}

"$here/../../tools/wine-run.sh" "$program" >"$work/program.log" 2>&1 &
app=$!
pids+=("$app")

# Prints the _NET_WM_STATE of the one viewable window with the program's title.
window_state() {
    xprop -id "$(xdotool search --onlyvisible --name "^${title}\$" | head -n 1)" _NET_WM_STATE
}

expect_windows "390x237"
echo "About window shown alone (390x237)"
# Windows keeps an owned window off the taskbar; Wine tells the window manager so.
window_state | grep -q _NET_WM_STATE_SKIP_TASKBAR ||
    { echo "wine_startup: the About window has a taskbar entry: $(window_state)" >&2; exit 1; }
sleep 0.5
shot windows-about-window
expect_active "390x237"
xdotool key Return
expect_windows "401x235"
echo "Enter closed it; rating window shown (401x235)"
if window_state | grep -q _NET_WM_STATE_SKIP_TASKBAR; then
    echo "wine_startup: the rating window has no taskbar entry" >&2
    exit 1
fi
sleep 0.5
shot windows-rating-window
expect_active "401x235"

xdotool key alt+x
for _ in $(seq 300); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app" 2>/dev/null; then
    echo "wine_startup: Alt+X did not end the program" >&2
    exit 1
fi
status=0
wait "$app" || status=$?
[ "$status" -eq 0 ] || { echo "wine_startup: exit status $status" >&2; cat "$work/program.log" >&2; exit 1; }
echo "Alt+X ended the program with status 0"
