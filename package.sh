#!/usr/bin/env bash
# Builds a release build and the Debian package zt41-programmer_<version>_<arch>.deb
# from it, and prints the package's path. Install it with
#   sudo apt install ./build/release/zt41-programmer_*.deb
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
zt41_install_deps

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZT41_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/zt41-programmer_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/zt41-programmer_*.deb
