#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Uses zt41 --demo as a keyboard-only screen-reader user would: on a virtual
# display with a window manager, the accessibility tree read through AT-SPI,
# keys sent with xdotool only. Prints, for every window, the controls a screen
# reader finds without a name and the buttons Tab reaches.
#   scripts/a11y-check.sh [build dir]     (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" != "--inside" ]; then
    . scripts/deps.sh
    zt41_install_deps xvfb xauth xdotool openbox dbus at-spi2-core python3-pyatspi
    exec xvfb-run -a -s "-screen 0 1920x1080x24" dbus-run-session -- "$0" --inside "${1:-build/release}"
fi
build=$(realpath "$2")
tree=$(realpath scripts/a11y_tree.py)
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export HOME=$work QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
gsettings set org.gnome.desktop.interface toolkit-accessibility true 2>/dev/null || true
openbox >/dev/null 2>&1 &
sleep 1
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
sleep 1
(cd "$work" && "$build/bin/zt41" --demo >"$work/zt41.log" 2>&1) &
for _ in $(seq 30); do
    sleep 1
    /usr/bin/python3 "$tree" windows >/dev/null 2>&1 && break
done
sleep 1

keys() { xdotool key --delay 120 "$@"; sleep 0.6; }
focused() { /usr/bin/python3 "$tree" focus; }
# Tab up to $1 times and list what got the focus, once each.
tabbing() {
    local seen=()
    for _ in $(seq "$1"); do
        keys Tab
        seen+=("$(focused | cut -f2,3)")
    done
    printf '%s\n' "${seen[@]}" | sort -u | sed 's/^/    reached: /'
}
report() { # $1: what was opened
    echo "== $1"
    /usr/bin/python3 "$tree" unnamed | grep -v '^ZT41 \[' || true
}

echo "== main window"
/usr/bin/python3 "$tree" unnamed
echo "-- Tab through the main window"
focused | sed 's/^/    start: /'
tabbing 8
echo "-- channel 3, 收哑音, from the keyboard: F2, Down x3, Return"
keys Escape
for _ in 1 2 3 4 5 6 7; do
    [ "$(focused | cut -f2)" = "table cell" ] && break
    keys Tab
done
keys ctrl+Home Down Down Right Right F2 Down Down Down Return
focused | sed 's/^/    now: /'
echo "-- 静噪级别 by Alt+S, 5, Return"
keys alt+s 5 Return
focused | sed 's/^/    now: /'

open_and_check() { # $1 name, rest: keys that open it
    local name=$1
    shift
    keys "$@"
    sleep 1.5
    report "$name"
    /usr/bin/python3 "$tree" windows | sed 's/^/    place: /'
    echo "-- Tab in $name"
    tabbing "${TABS:-8}"
    keys Escape
    sleep 0.8
    local after
    after=$(focused)
    echo "    after Esc: $after"
    case "$after" in
    "ZT41 ["*) ;;
    *)
        echo "    Esc did not close it: closed by the window manager"
        keys alt+F4
        ;;
    esac
}
open_and_check 选择端口 alt+p
open_and_check 操作说明 alt+h i
open_and_check 关于 alt+h a
open_and_check 频段检查 alt+t s
open_and_check 备份与恢复 alt+t b
open_and_check 连接诊断 alt+t d
sleep 3
echo "-- 校验对讲机 (channel 3 differs from the radio)"
keys alt+t c
sleep 6
open_and_check 校验结果 Tab
TABS=16 open_and_check 打印信道表 alt+t p
echo "-- the end of 写信道数据, as the status line says it"
/usr/bin/python3 "$tree" listen 9 &
sleep 1
keys alt+w
sleep 9
/usr/bin/python3 "$tree" unnamed | grep '^ZT41' || true
focused | sed 's/^/    now: /'
keys alt+e
