#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs each fuzz target for a given time, one after the other, and prints per
# target the executions, their rate, the coverage reached and the findings
# (inputs that made the target fail, kept in build/fuzz-runs/findings/).
#
# Usage: bench/fuzz.sh [SECONDS] [TARGET...]    (default 60 s, every target)
# Builds the targets with clang in build/fuzz (ZT41_FUZZ_BUILD overrides it).
# Each target's corpus grows in build/fuzz-runs/TARGET across runs; the seeds
# in tests/fuzz/corpus/TARGET are read, never written.
# Exit status: 0 no finding, 2 a finding, 1 a failure.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$here")
build=${ZT41_FUZZ_BUILD:-$root/build/fuzz}
runs=$root/build/fuzz-runs
seconds=${1:-60}
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 [SECONDS] [TARGET...]" >&2
    exit 1
fi
shift || true

. "$root/scripts/deps.sh"
zt41_install_deps

echo "building the fuzz targets in $build ..."
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DZT41_FUZZ=ON -DZT41_TESTS=OFF -DZT41_TOOLS=OFF >/dev/null
cmake --build "$build" --target zt41-fuzzers -j2 >/dev/null

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for dir in "$root"/tests/fuzz/corpus/*/; do
        targets+=("$(basename "$dir")")
    done
fi

mkdir -p "$runs/findings"
status=0
printf '%-20s %8s %12s %10s %8s %9s\n' target seconds executions "exec/s" cov findings
for target in "${targets[@]}"; do
    binary=$build/bin/$target
    if [ ! -x "$binary" ]; then
        echo "no fuzz target $target" >&2
        exit 1
    fi
    mkdir -p "$runs/$target"
    log=$runs/$target.log
    before=$(find "$runs/findings" -name "$target-*" | wc -l)
    # A finding ends the run of its target early; libFuzzer then exits nonzero.
    "$binary" -max_total_time="$seconds" -timeout=20 -print_final_stats=1 \
        -artifact_prefix="$runs/findings/$target-" \
        "$runs/$target" "$root/tests/fuzz/corpus/$target" >"$log" 2>&1 || true
    after=$(find "$runs/findings" -name "$target-*" | wc -l)
    findings=$((after - before))
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
    printf '%-20s %8s %12s %10s %8s %9s\n' "$target" "$seconds" "${executions:-?}" "${rate:-?}" \
        "${cov:-?}" "$findings"
    if [ "$findings" -gt 0 ]; then
        status=2
        grep -m1 -E 'FAULT|ERROR' "$log" | sed 's/^/    /' || true
    elif [ -z "$executions" ]; then
        echo "    $target did not run to its end; see $log" >&2
        status=1
    fi
done
exit $status
