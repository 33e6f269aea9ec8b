#!/usr/bin/env bash
# Start-up against a bare Qt Widgets window: time from start to the main
# window's first paint and peak memory, both under the offscreen platform,
# medians of several runs, printed as ratios. Targets: 1.5x time, 1.3x memory.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
zt41_install_deps

runs=${RUNS:-9}
build=build/bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZT41_TESTS=OFF -DZT41_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target bench-bare-window bench-program-start zt41-radio >/dev/null

work=$(mktemp -d)
radio_pid=
cleanup() {
    [ -n "$radio_pid" ] && kill "$radio_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

"$build/bin/zt41-radio" --fast >"$work/radio.out" 2>/dev/null &
radio_pid=$!
for _ in $(seq 50); do
    [ -s "$work/radio.out" ] && break
    sleep 0.1
done
device=$(head -n 1 "$work/radio.out")

export QT_QPA_PLATFORM=offscreen
measure() { # program args... -> "ms kb" per run
    for _ in $(seq "$runs"); do
        (cd "$work" && ZT41_BENCH_T0=$(date +%s%N) exec "$@") | awk '{print $2, $4}'
    done
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# One run of each first, so that both start from warm caches.
measure "$PWD/$build/bin/bench-bare-window" >/dev/null
measure "$PWD/$build/bin/bench-program-start" "$device" >/dev/null

bare=$(measure "$PWD/$build/bin/bench-bare-window")
prog=$(measure "$PWD/$build/bin/bench-program-start" "$device")
bare_ms=$(echo "$bare" | awk '{print $1}' | median)
bare_kb=$(echo "$bare" | awk '{print $2}' | median)
prog_ms=$(echo "$prog" | awk '{print $1}' | median)
prog_kb=$(echo "$prog" | awk '{print $2}' | median)

awk -v bm="$bare_ms" -v bk="$bare_kb" -v pm="$prog_ms" -v pk="$prog_kb" -v n="$runs" 'BEGIN {
    printf "medians of %d runs, offscreen platform\n", n
    printf "bare window:  first paint %7.1f ms, peak memory %7d kB\n", bm, bk
    printf "zt41 window:  first paint %7.1f ms, peak memory %7d kB\n", pm, pk
    printf "time to first paint: %.2f x the bare window (target at most 1.5)\n", pm / bm
    printf "peak memory:         %.2f x the bare window (target at most 1.3)\n", pk / bk
}'
