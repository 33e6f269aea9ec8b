#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build tree into a temporary DESTDIR and checks what a user gets:
# every file in its place, the desktop entry and metainfo valid, the icons at
# their sizes, the man pages free of formatting warnings, and the installed
# programs running.
#   install_test.sh BUILD_DIR WITH_RADIO(0|1) WITH_CLI(0|1) VERSION SOURCE_DIR
set -euo pipefail
build=$1 with_radio=$2 with_cli=$3 version=$4 src=$5
dest=$(mktemp -d)
radio_pid=
zt41_pid=
cleanup() {
    [ -n "$zt41_pid" ] && kill "$zt41_pid" 2>/dev/null
    [ -n "$radio_pid" ] && kill "$radio_pid" 2>/dev/null
    rm -rf "$dest"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null
root=$dest/usr
sizes=(16 22 24 32 48 64 128 256)

expected=(
    bin/zt41
    share/applications/org.zt41.programmer.desktop
    share/metainfo/org.zt41.programmer.metainfo.xml
    share/man/man1/zt41.1
    lib/udev/rules.d/70-zt41-serial.rules
    share/doc/zt41-programmer/README.md
)
for s in "${sizes[@]}"; do expected+=("share/icons/hicolor/${s}x${s}/apps/zt41.png"); done
[ "$with_radio" = 1 ] && expected+=(bin/zt41-radio share/man/man1/zt41-radio.1)
[ "$with_cli" = 1 ] && expected+=(bin/zt41-cli share/man/man1/zt41-cli.1)
for page in "${expected[@]}"; do
    [[ $page == share/man/man1/* ]] && expected+=("share/man/zh_CN/man1/${page##*/}")
done
expected+=(share/doc/zt41-programmer/zh_CN/README.md share/doc/zt41-programmer/main-window.png)
for f in "${expected[@]}"; do
    [ -f "$root/$f" ] || fail "not installed: /usr/$f"
done
for f in "$root"/bin/*; do
    [ -x "$f" ] || fail "not executable: $f"
done

# Each icon holds a picture of the size its folder names (PNG header: width, height).
for s in "${sizes[@]}"; do
    png=$root/share/icons/hicolor/${s}x${s}/apps/zt41.png
    [ -f "$png" ] || continue
    read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$png")
    [ "$w" = "$s" ] && [ "$h" = "$s" ] || fail "$png is ${w}x${h}"
done

desktop=$root/share/applications/org.zt41.programmer.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
grep -qx 'Exec=zt41 --data-home' "$desktop" || fail "the desktop entry does not start in the data folder"
grep -qx 'Icon=zt41' "$desktop" || fail "the desktop entry names another icon"
grep -q '^Name\[zh_CN\]=' "$desktop" || fail "no Chinese name"
appstreamcli validate --no-net --strict "$root/share/metainfo/org.zt41.programmer.metainfo.xml" \
    || fail "appstreamcli validate"

# preconv (-k) reads the Chinese pages' UTF-8 as man does.
for page in "$root"/share/man/man1/*.1 "$root"/share/man/zh_CN/man1/*.1; do
    warnings=$(groff -k -man -Tutf8 -ww -z "$page" 2>&1)
    [ -z "$warnings" ] || fail "$page: $warnings"
done
# Each Chinese page lists the options of its English one: the tags of its paragraphs.
options() {
    awk 'tag { print } { tag = $0 == ".TP" }' "$1" \
        | grep -oE '(\\-){1,2}[a-z][a-z0-9]*(\\-[a-z0-9]+)*' | sort -u
}
for page in "$root"/share/man/man1/*.1; do
    zh=$root/share/man/zh_CN/man1/${page##*/}
    [ -f "$zh" ] || continue
    listed=$(options "$page")
    [ -n "$listed" ] && [ "$listed" = "$(options "$zh")" ] \
        || fail "$zh lists other options than the English page: $(diff <(echo "$listed") <(options "$zh") | grep '^[<>]' | tr '\n' ' ')"
done

grep -qx 'Exec=zt41 --data-home --demo' "$desktop" || fail "no desktop action starting the demo"
grep -qx 'Name\[zh_CN\]=演示（模拟对讲机）' "$desktop" || fail "the demo action has not its Chinese name"

# Over SSH or on a console there is no display: the options that need no window
# are answered all the same (ARGS, status, what the output holds).
while IFS='|' read -r args status expected; do
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ASAN_OPTIONS=detect_leaks=0 \
        "$root/bin/zt41" $args 2>&1) && got=0 || got=$?
    [ "$got" = "$status" ] && grep -q -- "$expected" <<<"$output" \
        || fail "zt41 $args without a display: status $got: $output"
done <<CASES
--version|0|^zt41 A $version\$
--help|0|--demo
-platform offscreen -h|0|--ports
--no-such-option|1|Unknown option 'no-such-option'
--ports|1|Missing value after '--ports'
--demo|1|^zt41: no display
CASES

if [ "$with_cli" = 1 ]; then
    [ "$("$root/bin/zt41-cli" --version)" = "zt41-cli $version" ] || fail "zt41-cli --version"
    # The installed tool carries its Chinese messages within itself.
    LC_ALL= LC_MESSAGES= LANGUAGE= LANG=zh_CN.UTF-8 "$root/bin/zt41-cli" --help | grep -q '信道' \
        || fail "LANG=zh_CN.UTF-8 zt41-cli --help is not in Chinese"
    LC_ALL= LC_MESSAGES= LANGUAGE= LANG=C "$root/bin/zt41-cli" --help | grep -q 'channel' \
        || fail "LANG=C zt41-cli --help is not in English"
fi

# One version everywhere: the programs, the AppStream file and the package.
grep -q "<release version=\"$version\"" "$root/share/metainfo/org.zt41.programmer.metainfo.xml" \
    || fail "the AppStream release is not $version"
[ "$(dpkg-parsechangelog -l "$src/debian/changelog" -S Version)" = "$version" ] \
    || fail "debian/changelog is not at version $version"

# The installed simulated radio opens its port and answers the handshake.
if [ "$with_radio" = 1 ]; then
    [ "$("$root/bin/zt41-radio" --version)" = "zt41-radio $version" ] || fail "zt41-radio --version"
    out=$dest/radio.out
    "$root/bin/zt41-radio" --fast >"$out" 2>&1 &
    radio_pid=$!
    device=
    for _ in $(seq 50); do
        device=$(head -n1 "$out")
        [ -n "$device" ] && break
        sleep 0.1
    done
    if [ -c "$device" ]; then
        stty -F "$device" raw -echo
        exec 3<>"$device"
        printf C >&3
        answer=
        read -r -t 3 -n 1 answer <&3 || true
        exec 3<&-
        [ "$answer" = C ] || fail "zt41-radio answered \"$answer\" to C"
    else
        fail "zt41-radio gave no device: $(cat "$out")"
    fi

    # Started as the desktop entry starts it (here on the simulated radio's
    # port), the program keeps its database in $XDG_DATA_HOME/zt41, created on
    # first start, and leaves the working directory alone.
    exec_line=$(sed -n 's/^Exec=zt41 //p' "$desktop" | head -n 1)
    mkdir -p "$dest/cwd"
    (cd "$dest/cwd" && XDG_DATA_HOME=$dest/xdg QT_QPA_PLATFORM=offscreen \
        ASAN_OPTIONS=detect_leaks=0 exec "$root/bin/zt41" $exec_line --ports "$device") \
        >"$dest/zt41.out" 2>&1 &
    zt41_pid=$!
    for _ in $(seq 100); do
        [ -f "$dest/xdg/zt41/ZT41XE.mdb" ] && break
        sleep 0.1
    done
    kill -TERM "$zt41_pid" 2>/dev/null || true
    wait "$zt41_pid" 2>/dev/null || true
    zt41_pid=
    [ -f "$dest/xdg/zt41/ZT41XE.mdb" ] || fail "no database in the data folder: $(cat "$dest/zt41.out")"
    [ -z "$(ls -A "$dest/cwd")" ] || fail "the desktop start wrote into the working directory: $(ls -A "$dest/cwd")"

    kill -TERM "$radio_pid"
    status=0
    wait "$radio_pid" || status=$?
    radio_pid=
    [ "$status" = 0 ] || fail "zt41-radio ended with $status on SIGTERM"
fi

[ "$failures" = 0 ] && echo "installed files checked: ${#expected[@]}"
exit "$failures"
