#!/usr/bin/env bash
# The Windows installer under Wine, as a user and the Apps list meet it: a silent install
# (program, licence notices, uninstaller, Start-menu shortcut, and the uninstall entry
# with every field of the right type), a start of the installed program, a second silent install over the
# first (one program, one entry, no question), and the silent uninstall the entry's
# QuietUninstallString gives, which leaves nothing behind.
#
# The installer and the uninstaller hand work on to other processes (the uninstaller
# copies itself away and returns at once), so every step waits for all of Wine to finish
# (wineserver -w). That wait needs a Wine server of this test's own: it runs in a prefix
# of its own, which also starts every run from a clean registry.
#
# usage: wine_install.sh INSTALLER.exe VERSION URL
set -Eeuo pipefail
here=$(cd "$(dirname "$0")" && pwd)
installer=$1
version=$2
url=$3
wine_run=$here/../../tools/wine-run.sh

step="starting"
fail() {
    echo "wine_install: $step: $*" >&2
    exit 1
}
trap 'echo "wine_install: $step: a command failed (status $?)" >&2' ERR

work=$(mktemp -d)
pids=()
cleanup() {
    wineserver -k 2>/dev/null || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

[ -f "$installer" ] || fail "no installer at $installer"

step="starting a display"
if [ -z "${DISPLAY:-}" ]; then
    # shellcheck source=../../tools/private_xvfb.sh
    . "$here/../../tools/private_xvfb.sh"
    start_private_xvfb "$work" || fail "Xvfb did not start"
    pids+=("$xvfb_pid")
    export DISPLAY=$display
    start_window_manager "$work" || fail "openbox did not start"
    pids+=("$wm_pid")
fi

# Waits until every Windows process of the prefix has ended.
settle() {
    timeout 180 wineserver -w ||
        fail "Windows processes still running after 180 s (a question nobody answers?)"
}

step="making a Wine prefix"
export WINEPREFIX=$work/prefix
"$wine_run" cmd /c exit 0 || fail "wine did not start"
settle

folder="$WINEPREFIX/drive_c/Program Files/VornRatingCalc"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/VornRatingCalc"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\VornRatingCalc'
windows_folder='C:\Program Files\VornRatingCalc'

# Installs silently; a question would hang it, so it has a time limit.
install() {
    local status=0
    timeout 180 "$wine_run" "$installer" /S || status=$?
    [ "$status" -ne 124 ] || fail "the installer did not finish within 180 s"
    [ "$status" -eq 0 ] || fail "the installer exited with status $status"
    settle
}

# Prints the entry's values, one "NAME TYPE DATA" a line, as wine reg shows them.
entry() {
    "$wine_run" reg query "$key" 2>/dev/null | tr -d '\r' |
        sed -n 's/^    \([A-Za-z]*\)    \(REG_[A-Z_]*\)    \(.*\)$/\1 \2 \3/p'
}

check_entry() {
    local values want name seen size_kb files_kb
    values=$(entry) || fail "no uninstall entry $key"
    while IFS= read -r want; do
        name=${want%% *}
        seen=$(grep "^$name " <<<"$values" || true)
        [ "$seen" = "$want" ] || fail "entry value '$name' is '${seen:-missing}', not '$want'"
    done <<EOF
DisplayName REG_SZ VornRatingCalc
DisplayVersion REG_SZ $version
Publisher REG_SZ Kestrix
DisplayIcon REG_SZ $windows_folder\\VornRatingCalc.exe
InstallLocation REG_SZ $windows_folder
UninstallString REG_SZ "$windows_folder\\Uninstall.exe"
QuietUninstallString REG_SZ "$windows_folder\\Uninstall.exe" /S
NoModify REG_DWORD 0x1
NoRepair REG_DWORD 0x1
URLInfoAbout REG_SZ $url
EOF
    # The size in KB of what was installed, give or take rounding (per file).
    size_kb=$(sed -n 's/^EstimatedSize REG_DWORD \(0x[0-9a-fA-F]*\)$/\1/p' <<<"$values")
    [ -n "$size_kb" ] || fail "entry value 'EstimatedSize' is not a DWORD: $(grep EstimatedSize <<<"$values")"
    files_kb=$(($(cat "$folder"/* | wc -c) / 1024))
    if [ $((size_kb - files_kb)) -gt 2 ] || [ $((files_kb - size_kb)) -gt 2 ]; then
        fail "EstimatedSize is $((size_kb)) KB, the installed files take $files_kb KB"
    fi
}

check_installed() {
    local listed
    listed=$(cd "$folder" 2>/dev/null && LC_ALL=C ls) || fail "no install folder $folder"
    [ "$listed" = "$(printf '%s\n' Uninstall.exe VornRatingCalc-notices.txt VornRatingCalc.com \
        VornRatingCalc.exe)" ] ||
        fail "the install folder holds: $(echo "$listed" | paste -sd' '), not the program, its console companion, its notices and its uninstaller"
    [ -f "$menu/VornRatingCalc.lnk" ] || fail "no Start-menu shortcut in $menu"
    check_entry
}

# The installer speaks the user's display language when the program does, and English
# otherwise: its window's caption is that language's, from NSIS's language file. Wine
# takes the display language from the locale, which glibc needs compiled: into a folder
# of this test's own, whatever the machine has.
step="starting the installer in each language"
nlf_dir="/usr/share/nsis/Contrib/Language files"
mkdir -p "$work/locales"
while read -r locale language; do
    localedef -i "$locale" -f UTF-8 "$work/locales/$locale.UTF-8" 2>/dev/null ||
        fail "localedef cannot make $locale.UTF-8 (package locales)"
    # shellcheck disable=SC2016 # $(^Name) is NSIS's, not the shell's
    caption=$(sed -n '/^# ^SetupCaption/{n;s/\r$//;s/\$(^Name)/VornRatingCalc/;p;q}' "$nlf_dir/$language.nlf")
    [ -n "$caption" ] || fail "no setup caption in $nlf_dir/$language.nlf"
    LOCPATH=$work/locales LC_ALL=$locale.UTF-8 "$wine_run" "$installer" >/dev/null 2>&1 &
    found=""
    for _ in $(seq 600); do
        found=$(xdotool search --onlyvisible --name "^$caption\$" 2>/dev/null || true)
        [ -n "$found" ] && break
        sleep 0.1
    done
    seen=$(for id in $(xdotool search --onlyvisible --name 'VornRatingCalc' 2>/dev/null || true); do
        xdotool getwindowname "$id"; done | paste -sd'|')
    wineserver -k 2>/dev/null || true
    wait $! 2>/dev/null || true
    settle
    [ -n "$found" ] ||
        fail "under $locale, no installer window '$caption' within 60 s (seen: '${seen:-none}')"
done <<EOF
de_DE German
fr_FR French
es_ES Spanish
it_IT Italian
pt_BR PortugueseBR
pl_PL Polish
ru_RU Russian
ja_JP Japanese
zh_CN SimpChinese
ar_EG Arabic
ko_KR English
EOF
echo "installer: in each of the program's languages, English otherwise"

step="installing"
install
step="checking the install"
check_installed
echo "installed: program, notices, uninstaller, Start-menu shortcut, uninstall entry"

step="starting the installed program"
"$here/wine_startup.sh" "$folder/VornRatingCalc.exe" || fail "the installed program did not start as it should"
settle

step="typing the installed program's name in cmd"
answer=$(cd "$folder" && "$wine_run" cmd /c "VornRatingCalc --version" 2>&1 | tr -d '\r') || true
[ "$answer" = "VornRatingCalc $version" ] ||
    fail "VornRatingCalc --version in the install folder answered '$answer'"
settle

step="installing over the first install"
install
step="checking the second install"
check_installed
entries=$("$wine_run" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' |
    tr -d '\r' | grep -ci 'VornRatingCalc' || true)
[ "$entries" -eq 1 ] || fail "$entries uninstall entries, not 1"
echo "installed again: still one program, one entry"

step="uninstalling as the Apps list does"
quiet=$(entry | sed -n 's/^QuietUninstallString REG_SZ //p')
[[ $quiet =~ ^\"([^\"]+)\"\ (.*)$ ]] || fail "QuietUninstallString is not '\"PROGRAM\" ARGUMENTS': $quiet"
# The uninstaller copies itself away and returns at once: its status says nothing.
"$wine_run" "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}" || true
settle
step="checking the uninstall"
[ ! -e "$folder" ] || fail "left behind: $folder ($(ls "$folder" | paste -sd' '))"
[ ! -e "$menu" ] || fail "left behind: $menu"
if "$wine_run" reg query "$key" >/dev/null 2>&1; then
    fail "left behind: the uninstall entry $key"
fi
echo "uninstalled: no program, folder, shortcut or entry left"
