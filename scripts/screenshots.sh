#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the windows headless against the simulated radio and saves PNG
# screenshots of the main window, the port dialog, and the help and About
# windows into docs/ (or the folder given); `scripts/screenshots.sh DIR en` takes
# them in English, with a message, 校验结果 and the channel card's PDF besides.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
zt41_install_deps

out=${1:-docs}
build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZT41_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target zt41-screens zt41-radio
QT_QPA_PLATFORM=offscreen "$build/bin/zt41-screens" "$out" ${2:+"$2"}
