#!/usr/bin/env bash
# Installs the Windows installer silently under Wine, checks what it left (program,
# Start-menu shortcut, uninstaller), starts the installed program, then uninstalls.
#
# usage: wine_install.sh INSTALLER.exe
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
installer=$1
wine_run=$here/../../tools/wine-run.sh
export WINEPREFIX=${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/vornratingcalc/wineprefix}

[ -f "$installer" ] || { echo "wine_install: no installer at $installer" >&2; exit 1; }
folder="$WINEPREFIX/drive_c/Program Files/VornRatingCalc"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/VornRatingCalc/VornRatingCalc.lnk"

"$wine_run" "$installer" /S
for file in "$folder/VornRatingCalc.exe" "$folder/Uninstall.exe" "$shortcut"; do
    [ -f "$file" ] || { echo "wine_install: not installed: $file" >&2; exit 1; }
done
echo "installed: program, uninstaller, Start-menu shortcut"

"$here/wine_startup.sh" "$folder/VornRatingCalc.exe"

# The uninstaller copies itself away and returns at once; wait for it to finish.
"$wine_run" "$folder/Uninstall.exe" /S
for _ in $(seq 300); do
    [ -e "$folder/VornRatingCalc.exe" ] || [ -e "$shortcut" ] || break
    sleep 0.1
done
for file in "$folder/VornRatingCalc.exe" "$shortcut"; do
    [ ! -e "$file" ] || { echo "wine_install: left behind by the uninstaller: $file" >&2; exit 1; }
done
echo "uninstalled"
