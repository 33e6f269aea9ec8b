#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a release build and starts ZT41 Programmer against the simulated radio.
#   ./run.sh              the program with zt41-radio on COM1 (--demo)
#   ./run.sh --hardware   the program on the real serial ports
# Further arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
zt41_install_deps

mode=(--demo)
if [ "${1:-}" = "--hardware" ]; then
    mode=()
    shift
fi

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZT41_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target zt41 zt41-radio

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found. Start the program on a virtual one with:" >&2
    echo "    xvfb-run -a ./run.sh $*" >&2
    echo "(xvfb-run comes with Debian's package xvfb.)" >&2
    exit 1
fi

# The channel database ZT41XE.mdb lives in the working directory.
mkdir -p data
cd data
exec "../$build/bin/zt41" "${mode[@]}" "$@"
