#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the page build/web/zt41.html: one file to open in Chrome or Edge on
# any system, nothing else needed. Installs what the build needs (Debian's
# emscripten, esbuild, node-typescript), builds the kernel as WebAssembly and
# the window's words, and prints the page's path.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
zt41_install_deps

export NODE_PATH=/usr/share/nodejs
wasm=build/wasm
emcmake cmake -S . -B "$wasm" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZT41_TESTS=OFF -DZT41_WASM_DIR="$PWD/$wasm" >/dev/null
cmake --build "$build" -j "$(nproc)" --target zt41-page
mkdir -p build/web
cp "$build/web/zt41.html" build/web/zt41.html
echo "build/web/zt41.html ($(stat -c %s build/web/zt41.html) bytes)"
