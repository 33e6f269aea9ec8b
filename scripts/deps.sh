#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the project needs, only those that are missing.
# Sourced by test.sh and run.sh; needs root or sudo when something is missing.
set -euo pipefail

zt41_packages=(
    build-essential cmake ninja-build
    qt6-base-dev qt6-serialport-dev libqt6sql6-sqlite qt6-qpa-plugins
    qt6-tools-dev qt6-l10n-tools # Qt6LinguistTools and lrelease: zt41-cli's translation
    qt6-translations-l10n # Qt's own texts in Chinese: the window's file dialogs and buttons
    fonts-arphic-gkai00mp fonts-arphic-gbsn00lp fonts-wqy-microhei
    # the Debian package (debian/) and its checks
    debhelper lintian desktop-file-utils appstream dpkg-dev groff-base
    # the channel card's tests read its PDF back (pdftotext, pdffonts, pdfinfo)
    poppler-utils
    # the fuzz targets
    clang libclang-rt-dev
    # the kernel as WebAssembly, and node to run it
    emscripten nodejs
    # the page: its TypeScript checked and bundled; its tests in chromium 
    esbuild node-typescript chromium
)

# The page's browser tests drive chromium with Playwright, installed from
# tests/web/package-lock.json into tests/web/node_modules.
zt41_install_web_test_deps() {
    local dir
    dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../tests/web" && pwd)
    # Some node builds bring their own npm; Debian's comes as a package.
    command -v npm >/dev/null || zt41_install_deps npm
    if [ ! -d "$dir/node_modules/playwright-core" ] || [ "$dir/package-lock.json" -nt "$dir/node_modules" ]; then
        (cd "$dir" && npm ci --no-audit --no-fund --loglevel=error)
    fi
}

zt41_install_deps() {
    local missing=() extra=("$@")
    for p in "${zt41_packages[@]}" "${extra[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null; then
            sudo=(sudo)
        else
            echo "Missing packages: ${missing[*]}; run as root or install sudo." >&2
            return 1
        fi
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}
