#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The page in headless chromium: its first usable paint against a blank page
# of the same size, and a read through the bridge against the line's limit
# (448 characters at 1200 bit/s). Builds the page and zt41-radio first.
set -euo pipefail
cd "$(dirname "$0")/.."
./web.sh >/dev/null
. scripts/deps.sh
zt41_install_web_test_deps
cmake --build build/release --target zt41-radio >/dev/null
ZT41_PAGE=$PWD/build/web/zt41.html ZT41_RADIO=$PWD/build/release/bin/zt41-radio node bench/web.mjs
