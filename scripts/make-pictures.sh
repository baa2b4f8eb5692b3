#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# Draws the game's pictures with ImageMagick: the 48 x 48 program icon (A, B, C in red,
# green and blue on white) and the about window's 85 x 96 picture (a keyboard key with a
# T racing towards a red finish line). Both are compiled into the game.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
font=/usr/share/fonts/truetype/freefont/FreeSansBold.ttf

convert -size 48x48 xc:white -font "$font" -pointsize 22 \
    -fill 'rgb(255,0,0)' -annotate +1+31 A \
    -fill 'rgb(0,160,0)' -annotate +16+31 B \
    -fill 'rgb(0,0,255)' -annotate +31+31 C \
    -define png:color-type=2 PNG24:"$root/share/toetsrace.png"

convert -size 85x96 xc:'rgb(236,236,236)' \
    -fill 'rgb(255,0,0)' -draw 'rectangle 6,0 9,95' \
    -fill 'rgb(90,90,90)' -draw 'roundrectangle 22,24 80,82 8,8' \
    -fill 'rgb(250,250,250)' -draw 'roundrectangle 24,26 78,72 6,6' \
    -fill black -font "$font" -pointsize 36 -annotate +38+63 T \
    -stroke 'rgb(0,160,0)' -strokewidth 3 \
    -draw 'line 13,36 19,36' -draw 'line 13,48 19,48' -draw 'line 13,60 19,60' \
    -define png:color-type=2 PNG24:"$root/share/about.png"
echo "pictures written to $root/share"
