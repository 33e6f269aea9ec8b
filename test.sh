#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the kernel as WebAssembly, then everything under AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test headless through CTest; then
# builds the fuzz targets with clang and gives each a smoke run of a few
# seconds over its seed corpus.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
zt41_install_deps
zt41_install_web_test_deps

# The kernel as WebAssembly first: the differential test runs it beside the
# native kernel. Emscripten's own scripts need Debian's node modules.
wasm=build/wasm
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B "$wasm" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$wasm" -j "$(nproc)"

build=build/sanitize
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZT41_SANITIZE=ON -DZT41_TESTS=ON \
    -DZT41_WASM_DIR="$PWD/$wasm" >/dev/null
cmake --build "$build" -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 300

fuzz=build/fuzz
cmake -S . -B "$fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DZT41_FUZZ=ON -DZT41_TESTS=OFF -DZT41_TOOLS=OFF >/dev/null
cmake --build "$fuzz" --target zt41-fuzzers -j "$(nproc)"
ctest --test-dir "$fuzz" --output-on-failure -j "$(nproc)"
