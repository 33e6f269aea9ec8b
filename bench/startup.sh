#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up against two floors: a bare Qt Widgets window, and a bare window
# that loads the same three Chinese faces and shows a 16-row table with
# Chinese headers. Time from start to the main window's first paint and peak
# memory, both under the offscreen platform, medians of several runs, printed
# as ratios. Targets: 1.5x time and 1.3x memory of the bare window, 1.2x of
# the window with text in both.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
zt41_install_deps

runs=${RUNS:-15}
build=build/bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZT41_TESTS=OFF -DZT41_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target bench-bare-window bench-text-window bench-program-start zt41-radio >/dev/null

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
once() { # program args... -> "ms kb"
    (cd "$work" && ZT41_BENCH_T0=$(date +%s%N) exec "$@") | awk '{print $2, $4}'
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

bare_prog=("$PWD/$build/bin/bench-bare-window")
text_prog=("$PWD/$build/bin/bench-text-window")
zt41_prog=("$PWD/$build/bin/bench-program-start" "$device")
# A first run of each warms the caches; then the two take turns, so that
# whatever else the machine does falls on both alike.
once "${bare_prog[@]}" >/dev/null
once "${text_prog[@]}" >/dev/null
once "${zt41_prog[@]}" >/dev/null
: >"$work/bare" >"$work/text" >"$work/zt41"
for _ in $(seq "$runs"); do
    once "${bare_prog[@]}" >>"$work/bare"
    once "${text_prog[@]}" >>"$work/text"
    once "${zt41_prog[@]}" >>"$work/zt41"
done
text_ms=$(awk '{print $1}' "$work/text" | median)
text_kb=$(awk '{print $2}' "$work/text" | median)
bare_ms=$(awk '{print $1}' "$work/bare" | median)
bare_kb=$(awk '{print $2}' "$work/bare" | median)
prog_ms=$(awk '{print $1}' "$work/zt41" | median)
prog_kb=$(awk '{print $2}' "$work/zt41" | median)

awk -v bm="$bare_ms" -v bk="$bare_kb" -v tm="$text_ms" -v tk="$text_kb" -v pm="$prog_ms" -v pk="$prog_kb" -v n="$runs" 'BEGIN {
    printf "medians of %d runs, offscreen platform\n", n
    printf "bare window:  first paint %7.1f ms, peak memory %7d kB\n", bm, bk
    printf "text window:  first paint %7.1f ms, peak memory %7d kB\n", tm, tk
    printf "zt41 window:  first paint %7.1f ms, peak memory %7d kB\n", pm, pk
    printf "time to first paint: %.2f x the bare window (target at most 1.5)\n", pm / bm
    printf "peak memory:         %.2f x the bare window (target at most 1.3)\n", pk / bk
    printf "time to first paint: %.2f x the window with text (target at most 1.2)\n", pm / tm
    printf "peak memory:         %.2f x the window with text (target at most 1.2)\n", pk / tk
}'
