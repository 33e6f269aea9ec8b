#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes with verify (and the backup read before it) to N = 1, 4 and 16
# simulated radios at the line's real pace (1200 bit/s, no --fast) in one
# zt41-cli run each, and prints the figures against their targets:
#   wall time at N=16 / wall time at N=1   <= 1.10
#   CPU time / wall time at N=16            <= 0.03
# and the tool's start-up to its first byte on the port, next to `true`'s
# start-up to its end as the floor (medians of RUNS runs).
#
# Usage: bench/fleet.sh [RUNS]      (default 5 start-up runs)
# Builds a release build in build/bench-fleet (ZT41_BENCH_BUILD overrides it).
# Exit status: 0 every target met, 2 a target missed, 1 a failure.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=${ZT41_BENCH_BUILD:-$(dirname "$here")/build/bench-fleet}
runs=${1:-5}
if ! [[ $runs =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 [RUNS]" >&2
    exit 1
fi

. "$here/../scripts/deps.sh"
zt41_install_deps

work=$(mktemp -d)
pids=()
stop_radios() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    pids=()
}
trap 'stop_radios; rm -rf "$work"' EXIT

echo "building zt41-cli, zt41-radio and zt41-firstbyte (Release) in $build ..."
if ! { cmake -S "$here/.." -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZT41_TESTS=OFF &&
       cmake --build "$build" --target zt41-cli zt41-radio zt41-firstbyte -j2; } \
       >"$work/build.log" 2>&1; then
    cat "$work/build.log" >&2
    exit 1
fi
bin=$build/bin
export XDG_DATA_HOME=$work/data
export QT_LOGGING_RULES='*.info=false'

# 16 filled channels, squelch 5.
{
    printf '5,'
    for k in $(seq 16); do
        printf '%d.%05d,67.0,%d.%05d,88.5,on,L,' $((430 + k)) $((k * 125)) $((140 + k)) $((k * 625))
    done
} >"$work/channels.doc"

# Starts N radios at the real pace; their ports go into $ports, comma-separated.
start_radios() {
    local n=$1 i
    ports=
    for ((i = 0; i < n; i++)); do
        "$bin/zt41-radio" --memory "$work/radio$i.doc" >"$work/radio$i.out" 2>/dev/null &
        pids+=($!)
    done
    for ((i = 0; i < n; i++)); do
        for _ in $(seq 100); do
            [ -s "$work/radio$i.out" ] && break
            sleep 0.05
        done
        ports+="${ports:+,}$(head -n 1 "$work/radio$i.out")"
    done
}

calc() { awk "BEGIN { print $1 }"; }

declare -A wall cpu
printf '%-4s %-8s %-8s %-8s\n' N wall_s cpu_s cpu/wall
for n in 1 4 16; do
    start_radios "$n"
    TIMEFORMAT='%R %U %S'
    code=0
    { time "$bin/zt41-cli" write --port "$ports" "$work/channels.doc" >"$work/cli$n.out" 2>&1 || code=$?; } 2>"$work/time$n"
    stop_radios
    if [[ $code -ne 0 ]]; then
        echo "zt41-cli failed at N=$n (status $code):" >&2
        cat "$work/cli$n.out" >&2
        exit 1
    fi
    read -r real user sys <"$work/time$n"
    wall[$n]=$real
    cpu[$n]=$(calc "$user + $sys")
    printf '%-4s %-8s %-8s %-8.4f\n' "$n" "$real" "${cpu[$n]}" "$(calc "${cpu[$n]} / $real")"
done

status=0
check() { # name ratio target
    local met
    met=$(calc "($2 <= $3) ? 1 : 0")
    printf '%-32s %-8.4f <= %-6s %s\n' "$1" "$2" "$3" "$([[ $met == 1 ]] && echo ok || echo MISSED)"
    [[ $met == 1 ]] || status=2
}
echo
check "wall N=16 / wall N=1" "$(calc "${wall[16]} / ${wall[1]}")" 1.10
check "CPU / wall at N=16" "$(calc "${cpu[16]} / ${wall[16]}")" 0.03

read -r tool_median tool_min < <("$bin/zt41-firstbyte" "$runs" -- "$bin/zt41-cli" read --wait 1 --port '{}')
read -r true_median true_min < <("$bin/zt41-firstbyte" "$runs" --exit -- true)
echo
printf 'start-up to the first byte: zt41-cli %s ms (fastest %s), true %s ms (fastest %s), ratio %.1f\n' \
    "$tool_median" "$tool_min" "$true_median" "$true_min" "$(calc "$tool_median / $true_median")"
exit $status
