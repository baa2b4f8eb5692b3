#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# Kills the game with SIGKILL at random moments during 200 highscore saves in a row, many
# times over. Afterwards the file must always decipher to a whole table: the one before
# some save or the one after it, never a mix, a truncation or nothing; and the next save
# must clear whatever the killed one left beside it.
# Usage: kill_test.sh <build folder> [rounds]
set -euo pipefail
build=$1
rounds=${2:-40}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
saver="$build/tests/highscore_saver"
entries="$build/tests/highscore_entries"

prepare() {
    rm -rf "$work/game"
    mkdir -p "$work/game"
    printf 'kat\r\nhond\r\n' >"$work/game/woordenlijst.txt"
    printf 'bonus\r\n' >"$work/game/bonuslijst.txt"
    : >"$work/game/highscores.txt"
}

# How long 200 saves take when left alone: the kills fall anywhere within that time.
prepare
start=$(date +%s%N)
QT_QPA_PLATFORM=offscreen "$saver" "$work/game" >/dev/null 2>&1 || fail "the saver failed on its own"
total_ms=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$("$entries" "$work/game/highscores.txt" | wc -l)" -eq 200 ] || fail "200 saves did not give 200 entries"

seen_counts=()
killed_strays=0
for round in $(seq "$rounds"); do
    prepare
    QT_QPA_PLATFORM=offscreen "$saver" "$work/game" >/dev/null 2>&1 &
    pid=$!
    delay_ms=$(( RANDOM % (total_ms + 1) ))
    sleep "$(awk -v ms="$delay_ms" 'BEGIN { printf "%.3f", ms / 1000 }')"
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    table=$("$entries" "$work/game/highscores.txt") || fail "round $round: the file cannot be read back"
    count=$(grep -c . <<<"$table" || true)
    # A whole table after m saves holds exactly "0, Speler" to "m-1, Speler".
    expected=$(for ((i = 0; i < count; i++)); do echo "$i, Speler"; done | sort)
    [ "$(sort <<<"$table")" = "$expected" ] || fail "round $round: not a whole table: $table"
    size=$(stat -c %s "$work/game/highscores.txt")
    [ "$count" -eq 0 ] && [ "$size" -le 2 ] || [ "$count" -gt 0 ] || fail "round $round: size $size"
    strays=$(cd "$work/game" && ls -A | grep -cvxE 'woordenlijst.txt|bonuslijst.txt|highscores.txt' || true)
    killed_strays=$((killed_strays + strays))
    # The next save clears what the killed one left: a stale lock, its temporary files.
    QT_QPA_PLATFORM=offscreen "$saver" "$work/game" 1 Na >"$work/next.log" 2>&1 || fail "round $round: the next save failed: $(ls -la "$work/game"; cat "$work/next.log")"
    left=$(cd "$work/game" && ls -A | grep -vxE 'woordenlijst.txt|bonuslijst.txt|highscores.txt' || true)
    [ -z "$left" ] || fail "round $round: left after the next save: $left"
    seen_counts+=("$count")
done
echo "kill test: $rounds kills over ${total_ms} ms of 200 saves; tables left after the kills held" \
     "$(printf '%s\n' "${seen_counts[@]}" | sort -n | tr '\n' ' ')entries; every file whole;" \
     "$killed_strays temporary or lock file(s) left by the kills, all cleared by the next save"
