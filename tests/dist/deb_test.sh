#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package through debian/ (package.sh) and checks it as a
# maintainer would: lintian without an error or a warning; its control data;
# every program hardened (BIND_NOW, PIE, stack protector, fortified functions);
# and, unpacked into a temporary root, the files in their places.
#   deb_test.sh SOURCE_DIR OUT_DIR
set -euo pipefail
src=$1 out=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

start=$SECONDS
deb=$("$src/package.sh" "$out")
echo "package built in $((SECONDS - start)) s: $deb"
[ -f "$deb" ] || { echo "FAIL: package.sh gave no package: $deb" >&2; exit 1; }

# lintian's note about running as root is not about the package.
report=$(lintian --pedantic "$deb" 2>&1 | grep -v '^running with root privileges' || true)
[ -n "$report" ] && echo "$report"
grep -q '^[EW]: ' <<<"$report" && fail "lintian reports errors or warnings"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = zt41-programmer ] || fail "package name"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture"
[ "$(field Section)" = hamradio ] || fail "section: $(field Section)"
grep -Eq '^[^<]+ <[^@ ]+@[^> ]+>$' <<<"$(field Maintainer)" || fail "maintainer: $(field Maintainer)"
[ "$(field Description | wc -l)" -gt 3 ] || fail "the long description is not several lines"
dpkg-deb -f "$deb" | grep -qi 'example\.\(org\|com\|net\)/' && fail "a placeholder address in the control data"
depends=$(field Depends) recommends=$(field Recommends)
# has LIST PATTERN: an item of the comma-separated LIST matches the glob PATTERN.
has() {
    local x
    IFS=',' read -ra xs <<<"$1"
    for x in "${xs[@]}"; do
        x=$(xargs <<<"$x")
        # shellcheck disable=SC2053
        [[ $x == $2 ]] && return 0
    done
    return 1
}
# Computed by dpkg-shlibdeps (versioned), and what no library link shows.
for item in 'libqt6core6 (>= *)' 'libqt6serialport6 (>= *)' 'libqt6sql6 (>= *)' libqt6sql6-sqlite \
    qt6-qpa-plugins 'fonts-wqy-microhei | fonts-noto-cjk'; do
    has "$depends" "$item" || fail "Depends lacks $item: $depends"
done
for p in fonts-arphic-gkai00mp fonts-arphic-gbsn00lp; do
    has "$recommends" "$p" || fail "Recommends lacks $p: $recommends"
done
# Each dependency has an alternative installed here, so a misspelt name cannot slip through.
IFS=',' read -ra items <<<"$depends, $recommends"
for item in "${items[@]}"; do
    found=
    IFS='|' read -ra alternatives <<<"$item"
    for a in "${alternatives[@]}"; do
        name=$(awk '{print $1}' <<<"$a")
        dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q 'install ok installed' && found=1
    done
    [ -n "$found" ] || fail "no package of \"$item\" is installed on this system"
done

dpkg -x "$deb" "$root"
expected=(
    usr/bin/zt41 usr/bin/zt41-cli usr/bin/zt41-radio
    usr/share/applications/org.zt41.programmer.desktop
    usr/share/metainfo/org.zt41.programmer.metainfo.xml
    usr/share/icons/hicolor/48x48/apps/zt41.png
    usr/share/man/man1/zt41.1.gz usr/share/man/man1/zt41-cli.1.gz usr/share/man/man1/zt41-radio.1.gz
    usr/share/man/zh_CN/man1/zt41.1.gz usr/share/man/zh_CN/man1/zt41-cli.1.gz usr/share/man/zh_CN/man1/zt41-radio.1.gz
    usr/lib/udev/rules.d/70-zt41-serial.rules
    usr/share/zt41/zt41.html
    usr/share/doc/zt41-programmer/copyright usr/share/doc/zt41-programmer/changelog.gz
)
for f in "${expected[@]}"; do
    [ -f "$root/$f" ] || fail "the package lacks /$f"
done
grep -q '^License: GPL-3.0+' "$root/usr/share/doc/zt41-programmer/copyright" || fail "copyright: no GPL-3.0+"
grep -q '<project_license>GPL-3.0-or-later</project_license>' \
    "$root/usr/share/metainfo/org.zt41.programmer.metainfo.xml" || fail "metainfo: no project licence"
extra=$(find "$root" -name 'tst_*' -o -name 'zt41-screens' -o -name 'zt41-icons' -o -name 'zt41-*bench' \
    -o -name 'zt41-firstbyte' -o -name '*.1' -path '*/man/*')
[ -z "$extra" ] && [ "$(ls "$root/usr/bin" | wc -l)" = 3 ] || fail "unexpected files: $extra $(ls "$root/usr/bin")"

# Hardening as dpkg-buildflags asks for it with hardening=+all.
fortifiable='^(memcpy|memmove|memset|mempcpy|stpcpy|strcpy|strncpy|strcat|strncat|sprintf|snprintf|vsprintf|vsnprintf|printf|fprintf|vprintf|vfprintf|dprintf|read|pread|fgets|fread|getcwd|readlink|realpath|wcscpy|wmemcpy)$'
for bin in "$root"/usr/bin/*; do
    name=$(basename "$bin")
    dynamic=$(readelf -d "$bin")
    grep -Eq '\(FLAGS\).*BIND_NOW|\(FLAGS_1\).* NOW' <<<"$dynamic" || fail "$name lacks BIND_NOW"
    grep -Eq '\(FLAGS_1\).* PIE' <<<"$dynamic" || fail "$name is not PIE"
    imports=$(readelf --dyn-syms -W "$bin" | awk '$7 == "UND" {sub(/@.*/, "", $8); print $8}')
    grep -qx '__stack_chk_fail' <<<"$imports" || fail "$name lacks the stack protector"
    plain=$(grep -E "$fortifiable" <<<"$imports" | tr '\n' ' ' || true)
    fortified=$(grep -E '^__[a-z]+_chk$' <<<"$imports" | grep -v '^__stack_chk_fail$' | tr '\n' ' ' || true)
    [ -z "$plain" ] || [ -n "$fortified" ] || fail "$name: no fortified function, plain: $plain"
    echo "$name: fortified: ${fortified:-none}"
done

[ "$failures" = 0 ] && echo "$(basename "$deb"): Depends: $depends"
exit "$failures"
