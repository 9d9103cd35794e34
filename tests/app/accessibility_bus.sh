#!/usr/bin/env bash
# On an X display (run_under_xvfb.sh), gives the program a D-Bus session with
# an AT-SPI bus and walks it through a session over that bus, as a screen
# reader would. Exits 77 (skipped) when the pieces for that are missing.
# usage: accessibility_bus.sh PROGRAM APPLICATION-NAME
set -u
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3 # Debian's, which has pyatspi
launcher=/usr/libexec/at-spi-bus-launcher

skip() {
    echo "SKIP: $*"
    exit 77
}

if [ "${1:-}" != --inside ]; then
    command -v dbus-run-session >/dev/null || skip "no dbus-run-session (package dbus-daemon)"
    [ -x "$launcher" ] || skip "no AT-SPI bus launcher (package at-spi2-core)"
    "$python" -c "import pyatspi" 2>/dev/null || skip "no pyatspi (package python3-pyatspi)"
    exec dbus-run-session -- bash "$0" --inside "$@"
fi
program=$2
application=$3

work=$(mktemp -d)
pids=()
# shellcheck disable=SC2317  # run by the EXIT trap
finish() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap finish EXIT

"$launcher" --launch-immediately >/dev/null 2>&1 &
pids+=($!)
# The program asks for the bus as it starts: have it ready, or the session
# bus would start a second launcher racing this one.
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true && break
    sleep 0.05
done

mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR="$work/runtime" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" 2>"$work/stderr" &
pids+=($!)

"$python" "$here/accessibility_bus.py" "$application"
status=$?
if [ $status -ne 0 ]; then
    echo "--- the program's standard error:"
    cat "$work/stderr"
fi

# The whole session must leave no accessibility complaint on standard error.
if grep -i -E "accessib|atspi|interface" "$work/stderr"; then
    echo "FAIL: the program reported the lines above"
    status=1
fi
exit $status
