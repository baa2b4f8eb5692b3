#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays the real game in a real window, as a player would: under Xvfb, driven by xdotool.
# First start without highscores (the message, the empty file, the end), then: Start
# Level 1, type the word, write a highscore through the name box, memory mode and back,
# About and OK. Checks the window, a screenshot and the deciphered highscore file.
# Usage: play_test.sh <build folder> <scale factor>
set -euo pipefail
build=$1
scale=${2:-1}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/xvfb.sh"

command -v Xvfb >/dev/null && command -v xdotool >/dev/null && command -v import >/dev/null || {
    echo "SKIP: Xvfb, xdotool or ImageMagick is not installed"; exit 77; }

work=$(mktemp -d)
pids=()
cleanup() {
    stop_own "${pids[@]}"
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    [ -f "$work/game.log" ] && sed 's/^/  game: /' "$work/game.log" >&2
    [ -n "${display:-}" ] && echo "  X server $display answers: $(xdpyinfo -display "$display" >/dev/null 2>&1 && echo yes || echo no)" >&2
    [ -n "${display:-}" ] && DISPLAY=$display import -window root "${TMPDIR:-/tmp}/toetsrace-e2e-failure-$scale.png" 2>/dev/null
    exit 1
}

start_xvfb "$((1600 * scale))x$((1000 * scale))x24" || { echo "SKIP: no X server could be started"; exit 77; }
pids+=("$xvfb")
export DISPLAY=$display QT_SCALE_FACTOR=$scale
unset QT_QPA_PLATFORM

# The program folder: the executable alone, with its own word lists. One word only, so
# the player knows what to type.
folder="$work/game"
mkdir -p "$folder"
cp "$build/toetsrace" "$folder/"
printf 'kat\r\nkat\r\nkat\r\n' >"$folder/woordenlijst.txt"
printf 'bonuswoord\r\n' >"$folder/bonuslijst.txt"

start_game() {
    (cd "$folder" && exec ./toetsrace "$@" >>"$work/game.log" 2>&1) &
    game=$!
    pids+=("$game")
}

# Starts the game and waits for its first window, titled exactly $1; sets $window to its
# id. A loaded 2-core machine now and then refuses an X client its connection; that is
# the test bed, not the game, so such a start is tried again.
start_game_showing() {
    local title=$1
    shift
    for attempt in 1 2 3; do
        : >"$work/game.log"
        start_game "$@"
        for _ in $(seq 150); do
            window=$(find_window "$title") && return 0
            kill -0 "$game" 2>/dev/null || break
            sleep 0.1
        done
        if kill -0 "$game" 2>/dev/null || ! grep -q 'could not connect to display' "$work/game.log"; then
            break
        fi
        echo "attempt $attempt: the X server refused the game its connection; starting it again" >&2
        wait "$game" 2>/dev/null || true
    done
    fail "no window '$title'"
}

# The visible window of the game whose title is exactly $1, if there is one.
find_window() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$game" --name . 2>/dev/null); do
        [ "$(xdotool getwindowname "$id")" = "$1" ] && { echo "$id"; return 0; }
    done
    return 1
}

wait_window() {
    for _ in $(seq 100); do
        find_window "$1" && return 0
        sleep 0.1
    done
    fail "no window '$1'"
}

wait_gone() {
    for _ in $(seq 100); do
        find_window "$1" >/dev/null || return 0
        sleep 0.1
    done
    fail "window '$1' is still there"
}

# Clicks at a point of a window given in the game's own pixels.
click() { xdotool mousemove --window "$1" $(($2 * scale)) $(($3 * scale)) click 1; sleep 0.3; }
type_text() { xdotool windowfocus --sync "$1"; xdotool type --delay 60 "$2"; sleep 0.3; }
key() { xdotool windowfocus --sync "$1"; xdotool key "$2"; sleep 0.3; }

# First start: no highscores.txt. The message, then an empty file, then the end.
start_game_showing ToetsRace
box=$window
key "$box" Return
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "the game did not end after the first-start message"
wait "$game" || fail "the first start ended with a failure status"
[ -f "$folder/highscores.txt" ] && [ ! -s "$folder/highscores.txt" ] || fail "no empty highscores.txt"

# Second start: the main window, 716 x 404 in the game's pixels.
start_game_showing 'ToetsRace 0.27'
main=$window
size=$(xwininfo -id "$main" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$size" = "$((716 * scale))x$((404 * scale))" ] || fail "main window is $size"
import -window "$main" "$work/main.png"
pixel() { convert "$work/main.png" -format "%[pixel:p{$(($1 * scale)),$(($2 * scale))}]" info:; }
[ "$(identify -format %wx%h "$work/main.png")" = "$size" ] || fail "screenshot size"
# The finish line: red from x 6 to 9 over the full height, the window's grey beside it.
for y in 30 200 400; do
    [ "$(pixel 7 "$y")" = "srgb(255,0,0)" ] || fail "no red finish line at y $y: $(pixel 7 "$y")"
done
[ "$(pixel 14 200)" != "srgb(255,0,0)" ] || fail "the finish line is too wide"
[ "$(pixel 3 200)" != "srgb(255,0,0)" ] || fail "the finish line starts too far left"

# Start Level 1, then type the word.
click "$main" 252 292
type_text "$main" kat

# Write a highscore through the name box.
click "$main" 216 380
name=$(wait_window ToetsRace)
type_text "$name" Tester
key "$name" Return
wait_gone ToetsRace
entries=$("$build/tests/highscore_entries" "$folder/highscores.txt")
[[ "$entries" =~ ^([0-9]+),\ Tester$ ]] || fail "highscores hold: $entries"
score=${BASH_REMATCH[1]}
[ "$score" -ge 1000 ] && [ "$score" -le 1100 ] || fail "score $score for one word typed at once"

# Memory mode and back: the main window hides while the memory window shows.
click "$main" 84 372
memory=$(wait_window 'Onthouden!')
wait_gone 'ToetsRace 0.27'
click "$memory" 357 276
click "$memory" 84 372
wait_window 'ToetsRace 0.27' >/dev/null
wait_gone 'Onthouden!'

# About, then Enter presses the focused OK.
click "$main" 356 392
about=$(wait_window 'About ToetsRace')
key "$about" Return
wait_gone 'About ToetsRace'
kill -0 "$game" || fail "the game ended"

# The window belongs to its desktop entry.
wm_class=$(xprop -id "$main" WM_CLASS)
[[ "$wm_class" == *'"nl.toetsrace.Toetsrace"' ]] || fail "WM_CLASS is $wm_class"
stop_own "$game"
wait "$game" 2>/dev/null || true

# The one argument: the statistics window opens beside the game.
start_game_showing 'ToetsRace 0.27' --statistieken
wait_window Statistieken >/dev/null
stop_own "$game"
wait "$game" 2>/dev/null || true

# An unknown argument is refused in a message box, for a player who started it from a menu.
start_game_showing ToetsRace --onbekend
key "$window" Return
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
status=0
wait "$game" || status=$?
[ "$status" -eq 2 ] || fail "an unknown argument ended with status $status"
grep -q 'Gebruik: toetsrace \[--statistieken' "$work/game.log" || fail "no usage line"
echo "e2e (scale $scale): ok, score $score"
