#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# build.sh PAGE WORDS WASM_DIR WORDS_EN: builds the kernel to WebAssembly in
# WASM_DIR (emcmake, Debian's emscripten) and writes the one-file page PAGE
# with the window's words in Chinese, WORDS, and in English, WORDS_EN (both
# made by zt41-webwords).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
page=$1 words=$2 wasm=$3 wordsEn=$4
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
# The native build's launcher and flags are not for em++: a package build's
# hardening (-fstack-protector-strong, -z relro) has no meaning in WebAssembly.
unset CMAKE_CXX_COMPILER_LAUNCHER CMAKE_C_COMPILER_LAUNCHER CFLAGS CXXFLAGS CPPFLAGS LDFLAGS
if [ ! -f "$wasm/build.ninja" ]; then
    emcmake cmake -S "$root" -B "$wasm" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$wasm" --target zt41kernel_js
node "$here/build.mjs" --kernel "$wasm/web/zt41kernel.js" --words "$words" --words-en "$wordsEn" --out "$page"
