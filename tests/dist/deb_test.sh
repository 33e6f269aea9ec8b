#!/usr/bin/env bash
# Builds the Debian package from the already built tree and checks its control
# data: the name, and run-time dependencies that are real packages of this
# system, the SQLite driver, the window system plugins and the fonts among them.
#   deb_test.sh BUILD_DIR
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# No stripping and light compression: this checks the package's shape, quickly.
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" \
    -D CPACK_STRIP_FILES=OFF -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip >/dev/null
debs=("$out"/zt41-programmer_*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no zt41-programmer_*.deb in $out" >&2; ls "$out" >&2; exit 1; }
deb=${debs[0]}

[ "$(dpkg-deb -f "$deb" Package)" = zt41-programmer ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture"
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6sql6 libqt6sql6-sqlite libqt6serialport6 \
         qt6-qpa-plugins fonts-arphic-gkai00mp fonts-arphic-gbsn00lp fonts-wqy-microhei; do
    grep -Eq "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends lacks $p: $depends"
done
# Every dependency names a package that exists and is installed here, so a
# misspelt name cannot slip through.
IFS=',' read -ra items <<<"$depends"
for item in "${items[@]}"; do
    name=$(awk '{print $1}' <<<"$item")
    dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q 'install ok installed' \
        || fail "dependency $name is not a package installed on this system"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/zt41 ./usr/share/applications/org.zt41.programmer.desktop \
         ./usr/share/metainfo/org.zt41.programmer.metainfo.xml \
         ./usr/lib/udev/rules.d/70-zt41-serial.rules \
         ./usr/share/icons/hicolor/48x48/apps/zt41.png ./usr/share/man/man1/zt41.1; do
    grep -qx "$f" <<<"$contents" || fail "the package lacks $f"
done
if grep -q 'tst_\|zt41-screens\|zt41-icons' <<<"$contents"; then
    fail "the package holds build tools or tests"
fi

[ "$failures" = 0 ] && echo "$(basename "$deb"): Depends: $depends"
exit "$failures"
