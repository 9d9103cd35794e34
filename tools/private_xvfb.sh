# shellcheck shell=bash disable=SC2034  # xvfb_pid, display and wm_pid are for the caller
# Sourced by scripts that need an X display of their own.
#
# start_private_xvfb WORK_DIR starts Xvfb on a free display and sets xvfb_pid and display;
# it returns 1, with the server's log on standard error, when no server came up. The
# caller kills $xvfb_pid when done.
start_private_xvfb() {
    local work=$1
    # -displayfd lets the server pick a free display and tell us which; -noreset keeps it
    # from resetting (and refusing connections for a moment) each time a client quits.
    Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/display" \
        2>"$work/xvfb.log" &
    xvfb_pid=$!
    # A cold machine can take seconds for what a warm one does at once.
    local deadline=$((SECONDS + 30))
    while [ ! -s "$work/display" ] && [ $SECONDS -lt $deadline ]; do
        sleep 0.05
    done
    if [ ! -s "$work/display" ]; then
        echo "Xvfb named no display within 30 s" >&2
        cat "$work/xvfb.log" >&2
        return 1
    fi
    display=":$(head -n1 "$work/display")"
}

# start_window_manager WORK_DIR starts openbox on $DISPLAY, sets wm_pid and waits until it
# has announced itself on the root window; it returns 1, with its log on standard error,
# when it did not come up. The caller kills $wm_pid when done.
start_window_manager() {
    local work=$1
    openbox --sm-disable >"$work/wm.log" 2>&1 &
    wm_pid=$!
    local deadline=$((SECONDS + 30))
    while [ $SECONDS -lt $deadline ]; do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return 0
        sleep 0.05
    done
    echo "openbox did not announce itself on the root window within 30 s" >&2
    cat "$work/wm.log" >&2
    return 1
}
