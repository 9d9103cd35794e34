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
# manages windows (wait_window_manager); it returns 1, with what it saw on standard error,
# when openbox did not get that far. The caller kills $wm_pid when done. openbox logs
# what it does with each window into WORK_DIR/wm.log, for the caller to show when a
# window of its own goes astray.
start_window_manager() {
    local work=$1
    # A cache folder of its own: openbox rewrites its log file there on every start.
    XDG_CACHE_HOME=$work openbox --sm-disable --debug >"$work/wm.log" 2>&1 &
    wm_pid=$!
    wait_window_manager "$work" "$wm_pid" "$work/wm.log"
}

# wait_window_manager WORK_DIR PID LOG returns once the window manager PID, logging to LOG,
# handles windows: it has announced itself on the root window, managed a probe window
# shown after that (mapped, framed and given WM_STATE Normal), and let it go again once
# the probe closed. Returns 1, with what it saw, the manager's log and the window tree on
# standard error, when it did not within 60 s.
#
# openbox announces itself (_NET_SUPPORTING_WM_CHECK) before it has loaded its theme, and
# what arrives meanwhile it reads ahead into a queue of its own, which its main loop looks
# at only when the next X event wakes it: a window shown then stays unmapped until some
# other event comes, however long one waits. So until it has managed the probe, the wait
# keeps changing a property on the root window, which openbox listens to.
wait_window_manager() {
    local work=$1 pid=$2 log=$3
    local started=$SECONDS deadline=$((SECONDS + 60)) wakes=0
    local probe="" prober="" root parent="" map="" props=""
    local missing="announcement on the root window (_NET_SUPPORTING_WM_CHECK)" status=1
    root=$(xwininfo -root 2>/dev/null |
        sed -n 's/^xwininfo: Window id: \(0x[0-9a-f]*\).*/\1/p') || true
    # Whether the manager is still there to wait for.
    running() {
        kill -0 "$pid" 2>/dev/null && return 0
        missing="window manager running: it has ended"
        return 1
    }
    wake() {
        wakes=$((wakes + 1))
        xprop -root -f _VRC_WM_PROBE 32c -set _VRC_WM_PROBE "$wakes" 2>/dev/null || true
    }
    # What the manager and the probe were at, while the probe is there to see.
    report() {
        {
            echo "the window manager (pid $pid, $(sed -n 's/^State:\s*/state /p' \
                "/proc/$pid/status" 2>/dev/null || echo ended)) is not ready after" \
                "$((SECONDS - started)) s and $wakes wake-up calls: no $missing"
            echo "probe window ${probe:-(none)}: map state '${map:-?}'," \
                "parent ${parent:-?} (root $root), ${props:-no WM_STATE}"
            echo "--- probe (xev):"
            cat "$work/probe.log" 2>&1
            echo "--- window manager's log, last lines:"
            tail -n 100 "$log"
            echo "--- xwininfo -root -tree:"
            xwininfo -root -tree 2>&1
        } >&2
    }
    while running && [ $SECONDS -lt $deadline ]; do
        if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
            missing="probe window"
            # xev maps a plain top-level window, prints its id and runs until it is killed.
            stdbuf -oL xev -name vrc-wm-probe -geometry 16x16+0+0 -event structure \
                >"$work/probe.log" 2>&1 &
            prober=$!
            break
        fi
        sleep 0.05
    done
    while [ -n "$prober" ] && running && [ $SECONDS -lt $deadline ]; do
        [ -n "$probe" ] ||
            probe=$(sed -n 's/^Outer window is \(0x[0-9a-f]*\).*/\1/p' "$work/probe.log")
        if [ -n "$probe" ]; then
            parent=$(xwininfo -children -id "$probe" 2>/dev/null |
                sed -n 's/^  Parent window id: \(0x[0-9a-f]*\).*/\1/p') || true
            map=$(xwininfo -id "$probe" 2>/dev/null | sed -n 's/^  Map State: //p') || true
            props=$(xprop -id "$probe" WM_STATE _NET_WM_STATE 2>/dev/null |
                sed -n 's/^\s*window state: /WM_STATE /p; /^WM_STATE:/p; /^_NET_WM_STATE/p' |
                paste -sd';') || true
            if [ -z "$parent" ] || [ "$parent" = "$root" ]; then
                missing="probe framed (reparented)"
            elif [ "$map" != IsViewable ]; then
                missing="probe viewable"
            elif [[ $props != *"WM_STATE Normal"* ]]; then
                missing="WM_STATE Normal on the probe"
            else
                missing="probe dropped from _NET_CLIENT_LIST after it closed"
                status=0
                break
            fi
        fi
        wake
        sleep 0.05
    done
    [ "$status" -eq 0 ] || report
    if [ -n "$prober" ]; then
        kill "$prober" 2>/dev/null || true
        wait "$prober" 2>/dev/null || true
    fi
    [ "$status" -eq 0 ] || return 1
    # The probe's window went with its client: once the manager has let it go, the next
    # window it sees is the caller's.
    while running && [ $SECONDS -lt $deadline ]; do
        xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -qw "$probe" || return 0
        sleep 0.05
    done
    report
    return 1
}
