#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# Screenshots of the "Statistieken" window beside the game under Xvfb: without history and
# with 1, 50 and 10,000 games (HISTORIES="..." for others), at scale 1 and 2, each tab,
# to look at for anything clipped or overlapping; then the "Oefenen" window it opens (F3):
# as it opens, during a run, and at the end of one stopped with Esc.
# Usage: scripts/screenshot-stats.sh <output folder>   (after scripts/build.sh)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:?output folder}
mkdir -p "$out"
work=$(mktemp -d)
source "$root/scripts/xvfb.sh"
start_xvfb 2560x1600x24
game=""
cleanup() { stop_own ${game:-} "$xvfb"; rm -rf "$work"; }
trap cleanup EXIT

for history in ${HISTORIES:-0 1 50 10000}; do
    for scale in 1 2; do
        folder="$work/h$history-s$scale"
        mkdir -p "$folder"
        cp "$root/build/toetsrace" "$root/share/woordenlijst.txt" "$root/share/bonuslijst.txt" "$folder/"
        : >"$folder/highscores.txt"
        [ "$history" -gt 0 ] && "$root/build/bench/stats_window" "$folder" "$history" --fill-only >/dev/null 2>&1
        (cd "$folder" && DISPLAY=$display QT_SCALE_FACTOR=$scale exec ./toetsrace 2>/dev/null) &
        game=$!
        window=""
        for _ in $(seq 50); do
            window=$(DISPLAY=$display xdotool search --onlyvisible --pid "$game" --name '^ToetsRace 0\.27$' 2>/dev/null | head -n1) && [ -n "$window" ] && break
            sleep 0.1
        done
        [ -n "$window" ] || { echo "the game's window did not appear" >&2; exit 1; }
        DISPLAY=$display xdotool windowfocus --sync "$window"
        DISPLAY=$display xdotool key F2
        sleep 1.5
        DISPLAY=$display import -window root "$out/stats-h$history-scale$scale.png"
        # The other tabs: the window takes the keyboard only when the player turns to it.
        stats=$(DISPLAY=$display xdotool search --onlyvisible --name '^Statistieken$' | head -n1)
        if [ "$history" -gt 0 ] && [ -n "$stats" ]; then
            eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$stats")"
            DISPLAY=$display xdotool windowfocus --sync "$stats"
            for tab in 2 3 4 5; do
                DISPLAY=$display xdotool key ctrl+Tab
                sleep 0.5
                DISPLAY=$display import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" \
                    "$out/stats-h$history-scale$scale-tab$tab.png"
            done
        fi
        if [ -n "$stats" ]; then
            DISPLAY=$display xdotool windowfocus --sync "$stats"
            DISPLAY=$display xdotool key F3
            sleep 1
            DISPLAY=$display import -window root "$out/practice-h$history-scale$scale.png"
            if [ "$history" -gt 0 ]; then
                DISPLAY=$display xdotool key Return
                sleep 1
                DISPLAY=$display import -window root "$out/practice-h$history-scale$scale-run.png"
                DISPLAY=$display xdotool key Escape
                sleep 0.5
                DISPLAY=$display import -window root "$out/practice-h$history-scale$scale-end.png"
            fi
        fi
        kill "$game"; wait "$game" 2>/dev/null || true
        game=""
    done
done
echo "saved in $out"
