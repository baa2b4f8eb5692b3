#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# Takes the README's screenshot: the game in a fresh folder under Xvfb, a word on its way.
# Usage: scripts/screenshot.sh [output.png]   (after scripts/build.sh)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs/screenshot.png}
work=$(mktemp -d)
source "$root/scripts/xvfb.sh"
start_xvfb 800x500x24
cleanup() { stop_own ${game:-} "$xvfb"; rm -rf "$work"; }
trap cleanup EXIT
cp "$root/build/toetsrace" "$root/share/woordenlijst.txt" "$root/share/bonuslijst.txt" "$work/"
: >"$work/highscores.txt"
(cd "$work" && DISPLAY=$display exec ./toetsrace) &
game=$!
window=""
for _ in $(seq 50); do
    window=$(DISPLAY=$display xdotool search --name '^ToetsRace 0\.27$' 2>/dev/null | head -n1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the game's window did not appear" >&2; exit 1; }
if [ "${START_LEVEL:-1}" = 1 ]; then
    DISPLAY=$display xdotool mousemove --window "$window" 250 290 click 1
    sleep "${WAIT:-5}"
    DISPLAY=$display xdotool type --window "$window" --delay 150 "${TYPE:-}"
fi
sleep 0.3
DISPLAY=$display import -window "$window" "$out"
echo "saved $out"
