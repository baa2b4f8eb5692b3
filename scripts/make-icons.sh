#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders the desktop icons from the scalable one (A, B, C in red, green and blue on a
# white tile) at the sizes the icon theme asks for, with alpha. Needs rsvg-convert
# (Debian librsvg2-bin). The 48 x 48 icon compiled into the game is share/toetsrace.png,
# drawn by make-pictures.sh.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
icons="$root/share/icons/hicolor"
svg="$icons/scalable/apps/nl.toetsrace.Toetsrace.svg"
for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "$icons/${size}x${size}/apps"
    rsvg-convert --width "$size" --height "$size" "$svg" -o "$icons/${size}x${size}/apps/nl.toetsrace.Toetsrace.png"
done
echo "icons written to $icons"
