#!/usr/bin/env bash
# Start-up cost of the program against a bare Qt dialog: time from launch until the
# first window is viewable, and resident memory at that moment. Runs the program in
# each of LANGUAGES and the dialog on a private Xvfb, in turn, and prints medians and
# ratios. The CPU time spent by then is shown too: on a busy machine it moves less than
# the wall-clock time.
#
# usage: startup_bench.sh PROGRAM BARE_DIALOG [RUNS]
#   RUNS defaults to 10. PROGRAM_TITLE / BARE_TITLE name the windows to wait for.
#   LANGUAGES (default "en de ar") are the program's languages to compare: English, a
#   translation, and one written right to left.
#   LAUNCHER runs both (tools/wine-run.sh for the Windows build); TIME_GOAL and
#   MEMORY_GOAL override the goals.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=../../tools/private_xvfb.sh
source "$(dirname "$0")/../../tools/private_xvfb.sh"

if [ $# -lt 2 ]; then
    echo "usage: $0 PROGRAM BARE_DIALOG [RUNS]" >&2
    exit 2
fi
program=$1
bare=$2
runs=${3:-10}
program_title=${PROGRAM_TITLE:-Kestrix Vorn Rating Calculator - TQX}
bare_title=${BARE_TITLE:-Bare dialog}
time_goal=${TIME_GOAL:-1.0}
memory_goal=${MEMORY_GOAL:-1.05}
launcher=${LAUNCHER:-}
read -r -a languages <<<"${LANGUAGES:-en de ar}"
timeout_ms=20000

for tool in Xvfb xwininfo; do
    command -v "$tool" >/dev/null || {
        echo "$tool is needed (packages xvfb, x11-utils)" >&2
        exit 2
    }
done

work=$(mktemp -d)
xvfb_pid=""
child_pid=""
cleanup() {
    if [ -n "$child_pid" ]; then kill "$child_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

start_private_xvfb "$work" || {
    echo "Xvfb did not start" >&2
    exit 1
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# One launch, in the language LANGUAGE names (Wine takes the Windows display
# language from LANG): sets elapsed_ms, cpu_ms and rss_kb.
measure() {
    local binary=$1 title=$2 language=${3:-en} start
    local locale=C.UTF-8
    [ "$language" = en ] || locale=${language}.UTF-8
    start=$(now_ms)
    if [ -n "$launcher" ]; then
        env -u QT_QPA_PLATFORM DISPLAY="$display" LANGUAGE="$language" LANG="$locale" \
            "$launcher" "$binary" >"$work/child.log" 2>&1 &
    else
        env -u WAYLAND_DISPLAY DISPLAY="$display" QT_QPA_PLATFORM=xcb LANGUAGE="$language" \
            "$binary" >"$work/child.log" 2>&1 &
    fi
    child_pid=$!
    until xwininfo -display "$display" -name "$title" 2>/dev/null | grep -q IsViewable; do
        if ! kill -0 "$child_pid" 2>/dev/null; then
            echo "$binary ended before showing '$title':" >&2
            cat "$work/child.log" >&2
            exit 1
        fi
        if [ $(($(now_ms) - start)) -gt $timeout_ms ]; then
            echo "$binary showed no '$title' within $timeout_ms ms" >&2
            exit 1
        fi
    done
    elapsed_ms=$(($(now_ms) - start))
    rss_kb=$(awk '/^VmRSS:/ { print $2 }' "/proc/$child_pid/status")
    # utime and stime, in clock ticks, are fields 14 and 15 of stat.
    cpu_ms=$(awk -v hz="$(getconf CLK_TCK)" '{ print ($14 + $15) * 1000 / hz }' "/proc/$child_pid/stat")
    kill "$child_pid"
    wait "$child_pid" 2>/dev/null || true
    child_pid=""
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

printf 'size    program %9d bytes\n        bare    %9d bytes\n' "$(stat -c %s "$program")" "$(stat -c %s "$bare")"
echo "Display $display, $runs runs each, in turn (one warm-up run each not counted)"
for language in "${languages[@]}"; do
    measure "$program" "$program_title" "$language"
    : >"$work/program-$language"
done
measure "$bare" "$bare_title"
: >"$work/bare"
for run in $(seq "$runs"); do
    printf 'run %2d' "$run"
    for language in "${languages[@]}"; do
        measure "$program" "$program_title" "$language"
        echo "$elapsed_ms $rss_kb $cpu_ms" >>"$work/program-$language"
        printf '  %s %5d ms %7d kB %4d ms CPU' "$language" "$elapsed_ms" "$rss_kb" "$cpu_ms"
    done
    measure "$bare" "$bare_title"
    echo "$elapsed_ms $rss_kb $cpu_ms" >>"$work/bare"
    printf '  bare %5d ms %7d kB %4d ms CPU\n' "$elapsed_ms" "$rss_kb" "$cpu_ms"
done

b_time=$(cut -d' ' -f1 "$work/bare" | median)
b_rss=$(cut -d' ' -f2 "$work/bare" | median)
b_cpu=$(cut -d' ' -f3 "$work/bare" | median)
printf 'median  bare    %7.1f ms %9.1f kB %6.1f ms CPU\n' "$b_time" "$b_rss" "$b_cpu"
first=${languages[0]}
f_time=$(cut -d' ' -f1 "$work/program-$first" | median)
f_rss=$(cut -d' ' -f2 "$work/program-$first" | median)
for language in "${languages[@]}"; do
    p_time=$(cut -d' ' -f1 "$work/program-$language" | median)
    p_rss=$(cut -d' ' -f2 "$work/program-$language" | median)
    p_cpu=$(cut -d' ' -f3 "$work/program-$language" | median)
    awk -v l="$language" -v first="$first" -v pt="$p_time" -v pr="$p_rss" -v pc="$p_cpu" \
        -v bt="$b_time" -v br="$b_rss" -v bc="$b_cpu" -v ft="$f_time" -v fr="$f_rss" \
        -v tg="$time_goal" -v mg="$memory_goal" 'BEGIN {
        tr = pt / bt; mr = pr / br
        printf "median  %-7s %7.1f ms %9.1f kB %6.1f ms CPU\n", l, pt, pr, pc
        printf "  against bare: time %.3f (goal <= %s) %s, memory %.3f (goal <= %s) %s", \
            tr, tg, (tr <= tg) ? "met" : "MISSED", mr, mg, (mr <= mg) ? "met" : "MISSED"
        if (bc > 0) printf ", CPU %.3f", pc / bc
        printf "\n"
        if (l != first) printf "  against %s: time %.3f, memory %.3f\n", first, pt / ft, pr / fr
    }'
done
