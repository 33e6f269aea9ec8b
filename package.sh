#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package zt41-programmer_<version>_<arch>.deb through debian/
# (dpkg-buildpackage, with the distribution's hardening flags) and prints its
# path. Install it with
#   sudo apt install ./build/deb/zt41-programmer_*.deb
#   package.sh [OUT_DIR]     (default build/deb)
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
zt41_install_deps

out=$(realpath -m "${1:-build/deb}")
version=$(dpkg-parsechangelog -S Version)
# dpkg-buildpackage leaves its results beside the source tree: build a copy of
# the tree (what git tracks, as it stands now) inside OUT_DIR.
src=$out/zt41-programmer-$version
rm -rf "$src" "$out"/zt41-programmer*_"$version"_*
mkdir -p "$src"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
        tar --null -T - -cf - | tar -xf - -C "$src"
else
    tar --exclude=./build --exclude=./data -cf - . | tar -xf - -C "$src"
fi

log=$out/build.log
if ! (cd "$src" && dpkg-buildpackage -b -us -uc -j"$(nproc)") >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "package.sh: dpkg-buildpackage failed; the whole log is $log" >&2
    exit 1
fi
rm -rf "$src"
ls "$out"/zt41-programmer_"$version"_*.deb
