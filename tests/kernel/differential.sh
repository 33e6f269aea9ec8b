#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# differential.sh NATIVE_PROBE WASM_PROBE_JS TESTS_DIR: runs both builds of
# the kernel's probe over the fuzz corpora, the table of cases and a fixed
# stream of made texts, and fails on the first line where they differ.
set -euo pipefail
native=$1 wasm=$2 tests=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mapfile -t inputs < <(find "$tests/fuzz/corpus" -type f | sort)
inputs+=("$tests/kernel/differential.cases" --made 6000)
"$native" "${inputs[@]}" >"$work/native"
node "$wasm" "${inputs[@]}" >"$work/wasm"
if ! cmp -s "$work/native" "$work/wasm"; then
    echo "native and WebAssembly kernels decide differently:"
    diff "$work/native" "$work/wasm" | head -40
    exit 1
fi
echo "$(grep -c '^input ' "$work/native") inputs, $(wc -l <"$work/native") result lines: identical"
