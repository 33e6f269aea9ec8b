#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The programming line at the line's real pace (1200 bit/s): plugs 16
# simulated radios into a watched folder one after another, every 0.5 s, and
# prints for each unit the wall time from its plug-in to its record in the
# report, against the floor of a backup read, a write and a check read
# (2 x 3.73 s + 17 x 0.3 s + 0.3 s = 12.86 s), then the CPU the line uses
# while it waits with nothing plugged in.
#
# Usage: bench/line.sh      Builds a release build in build/bench.
# Exit status: 0 every unit within 1 s of the floor and no CPU while idle,
# 2 a target missed, 1 a failure.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=${ZT41_BENCH_BUILD:-$(dirname "$here")/build/bench}
. "$here/../scripts/deps.sh"
zt41_install_deps

work=$(mktemp -d)
pids=()
line_pid=
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    [ -n "$line_pid" ] && kill -INT "$line_pid" 2>/dev/null && kill -INT "$line_pid" 2>/dev/null
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

cmake -S "$here/.." -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZT41_TESTS=OFF -DZT41_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target zt41-cli zt41-radio >/dev/null
cli=$build/bin/zt41-cli
radio=$build/bin/zt41-radio

mkdir -p "$work/watch" "$work/data"
"$cli" plan --service pmr446 -o "$work/team.doc" >/dev/null
export XDG_DATA_HOME=$work/data
"$cli" write --watch --watch-dir "$work/watch" --report "$work/line.jsonl" "$work/team.doc" \
    >"$work/line.out" 2>&1 &
line_pid=$!
sleep 1

clock() { date +%s.%N; }
ticks() { awk '{print $14 + $15}' "/proc/$line_pid/stat"; }

declare -a plugged
for n in $(seq 16); do
    plugged[n]=$(clock)
    "$radio" --link "$work/watch/radio-$n" --memory "$work/radio-$n.doc" >/dev/null 2>&1 &
    pids+=($!)
    sleep 0.5
done
for _ in $(seq 600); do
    [ "$(wc -l <"$work/line.jsonl")" -ge 16 ] && break
    sleep 0.1
done
done_at=$(clock)
[ "$(wc -l <"$work/line.jsonl")" -ge 16 ] || { echo "the line did not finish 16 units" >&2; exit 1; }

# Idle: every radio done, nothing new plugged in.
for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
pids=()
sleep 1
before=$(ticks)
sleep 5
idle_ticks=$(( $(ticks) - before ))

python3 - "$work/line.jsonl" "${plugged[@]}" <<'PY'
import json, sys, datetime
records = [json.loads(l) for l in open(sys.argv[1])]
plugged = [float(t) for t in sys.argv[2:]]
floor = 2 * 3.73 + 17 * 0.3 + 0.3
worst = 0
for r in records:
    n = int(r["name"].rsplit("-", 1)[1])
    end = datetime.datetime.fromisoformat(r["time"]).timestamp()
    took = end - plugged[n - 1]
    worst = max(worst, took - floor)
    print(f"radio {n:2}: {took:6.2f} s ({'ok' if r['ok'] else 'FAILED'}), floor {floor:.2f} s")
print(f"worst over the floor: {worst:.2f} s (target at most 1 s)")
sys.exit(0 if worst <= 1.0 and all(r["ok"] for r in records) else 2)
PY
status=$?
echo "CPU while idle for 5 s: $idle_ticks ticks of 1/$(getconf CLK_TCK) s (target 0)"
[ "$idle_ticks" -le 1 ] || status=2
exit $status
