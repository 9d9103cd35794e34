#!/usr/bin/env bash
# What a user of the Debian package sees: the built .deb installed without
# recommendations on a minimal Debian 12, with only the fonts its dependencies bring.
# There it runs the window tests of the build tree (the build tree is mounted at its own
# path) and the installed program on a private X server in English and every language
# it carries, checking a screenshot of each window. Needs root (chroot, mounts) and the
# Debian archive; without either it fails, saying which.
#
# usage: minimal_root.sh BUILD_DIR DEB_DIR SHOT_DIR CHECKER LANGUAGES TEST...
#   LANGUAGES: comma-separated codes (de,ja,...); English is always checked.
#   CHECKER: the screenshot checker of the build tree; TEST: window tests to run there.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
[ $# -ge 5 ] || fail "usage: minimal_root.sh BUILD_DIR DEB_DIR SHOT_DIR CHECKER LANGUAGES TEST..."
if [ "$(id -u)" -ne 0 ]; then
    # The cache belongs to the user who runs the tests, not to root.
    exec sudo -n env XDG_CACHE_HOME="${XDG_CACHE_HOME:-$HOME/.cache}" "$0" "$@" ||
        fail "needs root to mount and chroot (run as root, or allow sudo without a password)"
fi
build=$(realpath "$1")
debs=("$2"/*.deb)
shots=$3
checker=$4
IFS=, read -r -a languages <<<"en,$5"
shift 5
tests=("$@")
[ -f "${debs[0]}" ] || fail "no package in $2: build it first (packaging_deb)"
deb=$(realpath "${debs[0]}")

here=$(dirname "$(realpath "$0")")
# shellcheck source-path=SCRIPTDIR source=debian_root.sh
. "$here/debian_root.sh"
cache=${XDG_CACHE_HOME:-$HOME/.cache}/vornratingcalc/debian12-root
tarball=$(debian12_tarball "$cache") || exit 1

# Each run unpacks its own root, so runs side by side never share one; downloaded
# packages are shared, one install at a time.
root=$(mktemp -d "${TMPDIR:-/var/tmp}/vrc-debian12-XXXXXX")
mounts=()
xvfb=""
cleanup() {
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}" || true
    done
    # Never remove through a mount that is still there: it would reach the build tree.
    if findmnt -rn -o TARGET | grep -q "^$root"; then
        echo "left $root in place: something is still mounted in it" >&2
    else
        rm -rf "$root"
    fi
}
trap cleanup EXIT
tar -C "$root" -xf "$tarball"
bind() {
    mkdir -p "$root$2"
    mount --bind "$1" "$root$2"
    mounts+=("$root$2")
}
mount -t proc proc "$root/proc"
mounts+=("$root/proc")
bind /dev /dev
bind "$build" "$build"
mkdir -p "$cache/archives/partial"
bind "$cache/archives" /var/cache/apt/archives
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
mkdir -m 700 "$root/tmp/runtime"
in_root() {
    chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LC_ALL=C.UTF-8 \
        XDG_RUNTIME_DIR=/tmp/runtime "$@"
}

export DEBIAN_FRONTEND=noninteractive
if ! out=$(in_root apt-get -q --error-on=any update 2>&1); then
    echo "$out" >&2
    fail "the Debian archive cannot be reached from the minimal root (apt-get update failed)"
fi
# Xvfb and xdotool to run and drive the program; Qt's test library for the window tests.
cp "$deb" "$root/tmp/"
# apt in one root does not wait for apt in another to free the shared archive folder.
exec {archives}>"$cache/archives.lock"
flock "$archives"
if ! out=$(in_root apt-get -q -y --no-install-recommends install "/tmp/$(basename "$deb")" xvfb xdotool \
    libqt6test6 2>&1); then
    echo "$out" >&2
    fail "the package or the test tools did not install in the minimal root"
fi
flock -u "$archives"
echo "Fonts in the minimal root: $(in_root fc-list : family | sort -u | tr "\n" ";")"

faults=()
for test in "${tests[@]}"; do
    if ! out=$(in_root QT_QPA_PLATFORM=offscreen "$test" 2>&1); then
        echo "$out" | grep -E "^(FAIL|   Loc|Totals)" >&2 || echo "$out" >&2
        faults+=("$(basename "$test") fails with only the package's dependencies")
    fi
done

# The program itself, as a user starts it: its About window, then (Enter) the calculator.
mkdir -p "$shots"
in_root Xvfb -displayfd 1 -screen 0 640x480x24 -br -nolisten tcp -noreset \
    >"$root/tmp/display" 2>"$root/tmp/xvfb.log" &
xvfb=$!
for _ in $(seq 300); do
    [ -s "$root/tmp/display" ] && break
    sleep 0.1
done
[ -s "$root/tmp/display" ] || fail "Xvfb did not start in the minimal root: $(cat "$root/tmp/xvfb.log")"
display=:$(head -n1 "$root/tmp/display")
on_display() { in_root DISPLAY="$display" "$@"; }
for language in "${languages[@]}"; do
    shot=$shots/$language
    # chroot and env exec the program: $! is the program's own process.
    chroot "$root" env -i PATH=/usr/bin:/bin DISPLAY="$display" LANGUAGE="$language" \
        LANG=C.UTF-8 XDG_RUNTIME_DIR=/tmp/runtime vornratingcalc >"$root/tmp/program.log" 2>&1 &
    program=$!
    if ! on_display "$checker" "$language" about "$shot-about.png"; then
        faults+=("$language: the About window")
    # Enter presses its OK button; then the calculator opens.
    elif ! window=$(on_display timeout 30 xdotool search --sync --limit 1 --onlyvisible \
        --classname vornratingcalc) ||
        ! on_display xdotool windowfocus --sync "$window" key Return; then
        faults+=("$language: the About window could not be closed with Enter")
    elif ! on_display "$checker" "$language" rating "$shot-rating.png"; then
        faults+=("$language: the rating window")
    fi
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    if [ -s "$root/tmp/program.log" ]; then
        echo "$language: the program said:" >&2
        cat "$root/tmp/program.log" >&2
    fi
done

if [ ${#faults[@]} -gt 0 ]; then
    printf 'FAIL: %s\n' "${faults[@]}" >&2
    echo "Screenshots: $shots" >&2
    exit 1
fi
echo "Every caption fits in ${languages[*]}; screenshots: $shots"
