#!/usr/bin/env bash
# Runs a Windows program under Wine, passing its exit status back: CTest's emulator
# for the Windows build. One quiet prefix per user, created on first use. Wine needs
# an X display even for programs that show no window (Qt's event loop makes one), so
# without DISPLAY the program gets a private Xvfb.
set -euo pipefail
export WINEPREFIX=${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/vornratingcalc/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No prompts to install Mono or Gecko: nothing here needs them.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

command -v wine >/dev/null || {
    echo "wine-run: wine is not installed (package wine64)" >&2
    exit 127
}
if [ ! -f "$WINEPREFIX/.vornratingcalc" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    # Without a console window Qt logs, and QtTest reports, to the debugger only; the
    # variable has to come from the prefix, as Wine passes no QT_* variable on.
    wine reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f >/dev/null 2>&1
    touch "$WINEPREFIX/.vornratingcalc"
fi
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" wine "$@"
fi
exec wine "$@"
