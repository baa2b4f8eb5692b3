#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# Kills a game that plays word after word with SIGKILL at random moments, many times over.
# Afterwards the statistics must hold every word the game had finished before the kill,
# at most the one word in play beside them, and each word whole with its game's figures.
# Usage: kill_test.sh <build folder> [rounds]
set -euo pipefail
build=$1
rounds=${2:-10}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
player="$build/tests/stats_player"

losses=()
finished=()
for round in $(seq "$rounds"); do
    rm -rf "$work/game"
    mkdir -p "$work/game"
    printf 'aap\r\nnoot\r\nmies\r\nwim\r\nzus\r\njet\r\nteun\r\nvuur\r\ngijs\r\nlam\r\n' >"$work/game/woordenlijst.txt"
    printf 'bonuswoord\r\n' >"$work/game/bonuslijst.txt"
    : >"$work/game/highscores.txt"
    QT_QPA_PLATFORM=offscreen "$player" play "$work/game" >"$work/said" 2>"$work/errors" &
    pid=$!
    # Until a few words are in, then a random moment later.
    for _ in $(seq 100); do
        [ "$(grep -c . "$work/said" || true)" -ge 3 ] && break
        kill -0 "$pid" 2>/dev/null || fail "round $round: the player ended: $(cat "$work/errors")"
        sleep 0.05
    done
    sleep "0.$((RANDOM % 300))"
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    said=$(grep -c '^word' "$work/said" || true)
    [ "$said" -ge 3 ] || fail "round $round: the player finished only $said words"
    stored=$("$player" check "$work/game" 2>/dev/null | sed -n 's/^stored //p') ||
        fail "round $round: a word was kept in part (stored $stored)"
    [ "$stored" -ge "$said" ] || fail "round $round: $said words finished, only $stored stored"
    [ "$stored" -le $((said + 1)) ] || fail "round $round: $stored stored of $said finished"
    losses+=("$((stored - said))")
    finished+=("$said")
done
echo "stats kill test: $rounds kills; every finished word was kept, and the word in play" \
     "was kept $(printf '%s\n' "${losses[@]}" | grep -c 1 || true) times; words finished before the kills:" \
     "$(printf '%s\n' "${finished[@]}" | sort -n | tr '\n' ' ')"
