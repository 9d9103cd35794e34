#!/usr/bin/env bash
# Builds the release files a second time from a fresh clone of this commit in another
# folder, with the other umask, another time zone and another locale, and compares them
# with dist/. On a difference, prints diffoscope's report and fails. Run by
# tools/release.sh once dist/ is filled; reuses the cached Windows Qt.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f dist/SHA256SUMS ] || {
    echo "release-check: no dist/SHA256SUMS; run tools/release.sh first" >&2
    exit 1
}

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
# Each setting differs from the one the first build ran under.
if [ "$(umask)" = 0022 ]; then mask=0002; else mask=0022; fi
case "$(locale 2>/dev/null | sed -n 's/^LC_CTYPE="\{0,1\}\([^"]*\)"\{0,1\}$/\1/p')" in
de_DE*) language=C.UTF-8 ;;
*) language=de_DE.UTF-8 ;;
esac
if [ "$language" = de_DE.UTF-8 ] && ! locale -a | grep -qix 'de_DE.utf-\?8'; then
    echo "release-check: generating the de_DE.UTF-8 locale"
    $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
# UTC+14 and UTC-10: a different date from most others' for part of every day.
case "${TZ:-}" in
Pacific/Kiritimati) zone=America/Adak ;;
*) zone=Pacific/Kiritimati ;;
esac

work=$(mktemp -d)
copy=$work/rebuild
echo "release-check: second build in $copy (umask $mask, TZ=$zone, LC_ALL=$language)"
start=$SECONDS
(
    umask "$mask"
    export TZ=$zone LC_ALL=$language LANG=$language
    # A compiler cache would hand back the first build's objects.
    export CCACHE_DISABLE=1
    git clone -q --no-hardlinks . "$copy"
    git -C "$copy" checkout -q --detach "$(git rev-parse HEAD)"
    cd "$copy"
    bash tools/release.sh --files
) >"$work/rebuild.log" 2>&1 || {
    tail -n 60 "$work/rebuild.log" >&2
    echo "release-check: the second build failed; its log: $work/rebuild.log" >&2
    exit 1
}
echo "release-check: second build took $((SECONDS - start)) s"

if cmp -s dist/SHA256SUMS "$copy/dist/SHA256SUMS"; then
    echo "release-check: both builds gave the same bytes"
    rm -rf "$work"
    exit 0
fi
echo "release-check: the two builds differ" >&2
diff dist/SHA256SUMS "$copy/dist/SHA256SUMS" >&2 || true
while read -r _ file; do
    if ! cmp -s "dist/$file" "$copy/dist/$file"; then
        echo "release-check: diffoscope dist/$file $copy/dist/$file" >&2
        diffoscope --text - "dist/$file" "$copy/dist/$file" | head -n 300 >&2 || true
    fi
done <dist/SHA256SUMS
echo "release-check: the second build is kept in $copy" >&2
exit 1
