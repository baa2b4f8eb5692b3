#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# The CPU share of the real game under Xvfb over ten seconds of a word in play, measured
# side by side with a minimal Qt program that only moves one label by one pixel at the
# same tick rate. Target: the game at most 1.25 times that floor. Three windows of ten
# seconds, each with a freshly started game and its first word; the median ratio counts.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" build test bench
"$root/scripts/build.sh"
source "$root/bench/wordlist.sh"

work=$(mktemp -d)
source "$root/scripts/xvfb.sh"
start_xvfb 1024x768x24
pids=()
cleanup() { stop_own "${pids[@]}" "$xvfb"; rm -rf "$work"; }
trap cleanup EXIT
make_dutch_wordlist "$work"
cp "$root/build/toetsrace" "$root/share/bonuslijst.txt" "$work/"
: >"$work/highscores.txt"

DISPLAY=$display "$root/build/bench/minimal_mover" 2>/dev/null &
floor=$!; pids+=("$floor")

# Starts the game and its first level; sets $game.
start_game() {
    (cd "$work" && DISPLAY=$display exec ./toetsrace 2>/dev/null) &
    game=$!; pids+=("$game")
    local window=""
    for _ in $(seq 100); do
        window=$(DISPLAY=$display xdotool search --pid "$game" --name '^ToetsRace 0\.27$' 2>/dev/null | head -n1) && [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "the game's window did not appear" >&2; exit 1; }
    DISPLAY=$display xdotool mousemove --window "$window" 250 290 click 1   # Start Level 1
}

# Nanoseconds on a CPU, summed over the process's threads.
cpu() { cat /proc/"$1"/task/*/schedstat | awk '{ s += $1 } END { printf "%d", s }'; }

ratios=()
for round in 1 2 3; do
    start_game
    sleep 1
    g0=$(cpu "$game"); f0=$(cpu "$floor"); t0=$(date +%s%N)
    sleep 10
    g1=$(cpu "$game"); f1=$(cpu "$floor"); t1=$(date +%s%N)
    [ -n "${SHOTS:-}" ] && DISPLAY=$display import -window root "$SHOTS/round$round.png"
    kill -0 "$game" && kill -0 "$floor" || { echo "a measured program has ended" >&2; exit 1; }
    ratio=$(awk -v g=$((g1 - g0)) -v f=$((f1 - f0)) -v ns=$((t1 - t0)) -v r="$round" 'BEGIN {
        printf "window %d: game %.2f %% of one core, minimal mover %.2f %%, ratio %.2f\n", r, 100 * g / ns, 100 * f / ns, g / f > "/dev/stderr"
        printf "%.3f", g / f
    }')
    ratios+=("$ratio")
    kill "$game"; wait "$game" 2>/dev/null || true
done
printf '%s\n' "${ratios[@]}" | sort -n | awk 'NR == 2 { printf "median ratio: %.2f (target at most 1.25)\n", $1 }'
