#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian source package (zt41-programmer_<version>.dsc, its .tar.xz
# and a source .changes) from what git tracks, then the binary package
# zt41-programmer_<version>_<arch>.deb from that source package, as a build
# daemon would (dpkg-buildpackage, the distribution's hardening flags, the tests
# run unless DEB_BUILD_OPTIONS has nocheck). Prints the .deb's path; the source
# package's files are named on standard error. Install it with
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
unpacked=$out/unpacked
rm -rf "$src" "$unpacked" "$out"/zt41-programmer*_"$version"_* "$out"/zt41-programmer_"$version".*
mkdir -p "$src"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
        tar --null -T - -cf - | tar -xf - -C "$src"
else
    tar --exclude=./build --exclude=./data -cf - . | tar -xf - -C "$src"
fi

# build LOG DIR ARGS...: dpkg-buildpackage ARGS in DIR, its output in LOG.
build() {
    local log=$1 dir=$2
    shift 2
    if ! (cd "$dir" && dpkg-buildpackage -us -uc "$@") >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "package.sh: dpkg-buildpackage $* failed; the whole log is $log" >&2
        exit 1
    fi
}
# The source package, then the binary built from it alone: what the source
# package lacks, the build lacks too.
build "$out/source.log" "$src" -S
rm -rf "$src"
# (Unsigned, as -us -uc leaves it: dpkg-source's warning goes to the log.)
dpkg-source -x "$out/zt41-programmer_$version.dsc" "$unpacked" >>"$out/source.log" 2>&1 ||
    { echo "package.sh: dpkg-source -x failed; see $out/source.log" >&2; exit 1; }
build "$out/build.log" "$unpacked" -b -j"$(nproc)"
rm -rf "$unpacked"
ls "$out"/zt41-programmer_"$version".dsc "$out"/zt41-programmer_"$version".tar.* \
    "$out"/zt41-programmer_"$version"_source.changes >&2
ls "$out"/zt41-programmer_"$version"_*.deb
