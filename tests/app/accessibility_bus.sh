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
# shellcheck disable=SC2317  # run by the EXIT trap
finish() {
    rm -rf "$work"
}
trap finish EXIT

# The session bus starts the accessibility bus launcher when the reader
# first asks for the bus, once: no second launcher can race it. The reader
# starts the program itself once the bus knows what it listens to.
mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR="$work/runtime" "$python" "$here/accessibility_bus.py" "$application" \
    "$program" "$work/stderr"
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
