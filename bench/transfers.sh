#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times a full write and a full read of the 16 channels against zt41-radio at
# the line's real pace (1200 bit/s, no --fast) and prints the figures as
# ratios next to their targets:
#   read time / line limit   <= 1.05 + the radio's pause after "5" / line limit
#   CPU / wall time          <  0.05 for each transfer
#   frame spacing deviation  <= 15 ms from the write's 300 ms
#
# Usage: bench/transfers.sh [RUNS]     (default 1 run)
# Builds a release build in build/bench-transfers (ZT41_BENCH_BUILD overrides
# it).
# Exit status: 0 every target met, 2 a target missed, 1 a failure.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=${ZT41_BENCH_BUILD:-$(dirname "$here")/build/bench-transfers}
runs=${1:-1}
if ! [[ $runs =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 [RUNS]" >&2
    exit 1
fi

. "$here/../scripts/deps.sh"
zt41_install_deps

buildlog=$(mktemp)
trap 'rm -f "$buildlog"' EXIT
echo "building zt41-transferbench (Release) in $build ..."
if ! { cmake -S "$here/.." -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZT41_TESTS=OFF &&
       cmake --build "$build" --target zt41-transferbench -j2; } >"$buildlog" 2>&1; then
    cat "$buildlog" >&2
    exit 1
fi

status=0
for ((run = 1; run <= runs; run++)); do
    [[ $runs -gt 1 ]] && echo "--- run $run of $runs"
    code=0
    "$build/bin/zt41-transferbench" || code=$?
    if [[ $code -eq 1 ]]; then
        exit 1
    fi
    [[ $code -ne 0 ]] && status=$code
done
exit $status
