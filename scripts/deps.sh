#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages that a task needs, and only those that are missing.
# Usage: scripts/deps.sh build|test|bench|fuzz ...
set -euo pipefail

packages=()
for group in "$@"; do
    case "$group" in
        build) packages+=(build-essential cmake ninja-build pkg-config libxcb1-dev qt6-base-dev qt6-charts-dev libqt6opengl6-dev
                          libqt6sql6-sqlite libicu-dev fonts-freefont-ttf qt6-translations-l10n) ;;
        play) packages+=(qt6-wayland) ;;
        test) packages+=(xvfb xdotool x11-utils imagemagick desktop-file-utils appstream weston qt6-wayland
                       appstream-compose dpkg-dev debhelper lintian git dbus at-spi2-core
                       python3-gi gir1.2-atspi-2.0 sshfs openssh-server openssh-client passwd) ;;
        bench) packages+=(wdutch locales time xvfb) ;;
        fuzz) packages+=(clang libclang-rt-14-dev) ;;
        *) echo "deps.sh: unknown group '$group'" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Need root (or sudo) to install: ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q </dev/null
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
