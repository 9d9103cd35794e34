#!/usr/bin/env bash
# The command line as a Windows user types it in cmd: the bare name, which finds the
# console companion VornRatingCalc.com before VornRatingCalc.exe. Each case runs
#   cmd /v:on /c "VornRatingCalc ARGS & echo status !errorlevel!"
# in the folder of both programs and checks standard output and error: the program's
# answer must come before the line cmd prints next, as it must before the next prompt,
# and cmd must see the program's exit status.
#
# The last case runs in a Japanese Windows, whose ANSI code page (932) has no U+2212
# minus sign: the program must read the argument as Windows gives it, in UTF-16.
#
# usage: wine_console.sh FOLDER VERSION
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
folder=$1
version=$2
wine_run=$here/../../tools/wine-run.sh
for program in VornRatingCalc.com VornRatingCalc.exe; do
    [ -f "$folder/$program" ] || { echo "wine_console: no $program in $folder" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A Japanese locale of our own: Wine takes the code page from it.
mkdir -p "$work/locales"
localedef -i ja_JP -f UTF-8 "$work/locales/ja_JP.UTF-8" 2>/dev/null || {
    echo "wine_console: localedef cannot make ja_JP.UTF-8 (package locales)" >&2
    exit 1
}

heading="Player  Old Ratings  You Win  You Lose"
failures=0
# check NAME LOCALE ARGS EXPECTED_OUT EXPECTED_ERR: outputs compared whole, line ends
# aside (cmd ends its own lines with CR LF).
check() {
    local name=$1 locale=$2 args=$3 want_out=$4 want_err=$5 out err
    (cd "$folder" && LOCPATH=$work/locales LC_ALL=$locale \
        "$wine_run" cmd /v:on /c "VornRatingCalc $args & echo status !errorlevel!") \
        >"$work/out" 2>"$work/err" || true
    out=$(tr -d '\r' <"$work/out")
    err=$(tr -d '\r' <"$work/err")
    if [ "$out" != "$want_out" ] || [ "$err" != "$want_err" ]; then
        echo "FAIL: $name" >&2
        printf -- '--- printed\n%s\n--- expected\n%s\n' "$out" "$want_out" >&2
        printf -- '--- error output\n%s\n--- expected\n%s\n' "$err" "$want_err" >&2
        failures=$((failures + 1))
    else
        echo "ok: $name"
    fi
}

row="     1          500      520       488
To hold its rating, your team must win 37.5% of such games."
check "results" C.UTF-8 "-t 500 -o 600" "$heading
$row
status 0" ""
check "glued values" C.UTF-8 "-t500 -o600" "$heading
$row
status 0" ""
check "long options" C.UTF-8 "--team 500 --opponent 600" "$heading
$row
status 0" ""
check "long options with =" C.UTF-8 "--team=500 --opponent=600" "$heading
$row
status 0" ""
check "refused rating" C.UTF-8 "-t abc -o 500" "status 1" \
    "VornRatingCalc: team row 1: You must enter a numeric value for rating"
check "refused option" C.UTF-8 "--bogus" "status 2" "VornRatingCalc: unknown option '--bogus'
Try 'VornRatingCalc --help' for more information."
check "version" C.UTF-8 "--version" "VornRatingCalc $version
status 0" ""
check "a typed minus sign in Japanese" ja_JP.UTF-8 "-t −500 -o 500" \
    "プレイヤー  旧レート  勝った場合  負けた場合
         1      -500        -468        -501
レートを維持するには、このような試合の3.0%で勝つ必要があります。
status 0" ""

if [ "$failures" -gt 0 ]; then
    echo "wine_console: $failures case(s) failed" >&2
    exit 1
fi
