#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# Several copies of the game save highscores into one folder at the same time, as a class
# sharing the game on a network drive would: every entry any of them wrote must be in the
# file afterwards, and no lock or temporary file may be left behind.
# Usage: shared_folder_test.sh <build folder> [copies] [saves each]
set -euo pipefail
build=$1
copies=${2:-4}
saves=${3:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p "$work/game"
printf 'kat\r\nhond\r\n' >"$work/game/woordenlijst.txt"
printf 'bonus\r\n' >"$work/game/bonuslijst.txt"
: >"$work/game/highscores.txt"

start=$(date +%s%N)
pids=()
for copy in $(seq "$copies"); do
    QT_QPA_PLATFORM=offscreen "$build/tests/highscore_saver" "$work/game" "$saves" "Speler$copy" \
        >"$work/copy$copy.log" 2>&1 &
    pids+=("$!")
done
for pid in "${pids[@]}"; do
    wait "$pid" || fail "a copy of the game failed: $(cat "$work"/copy*.log)"
done
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))

table=$("$build/tests/highscore_entries" "$work/game/highscores.txt") || fail "the file cannot be read back"
expected=$(for copy in $(seq "$copies"); do
    for ((i = 0; i < saves; i++)); do echo "$i, Speler$copy"; done
done | sort)
[ "$(sort <<<"$table")" = "$expected" ] || fail "entries were lost: $(grep -c . <<<"$table") of $((copies * saves))"
left=$(cd "$work/game" && ls -A | grep -vxE 'woordenlijst.txt|bonuslijst.txt|highscores.txt' || true)
[ -z "$left" ] || fail "left behind: $left"
total=$((copies * saves))
echo "shared folder: $copies copies saved $saves entries each at once; $(grep -c . <<<"$table") of $total entries in the file"
echo "shared folder: ${elapsed_ms} ms in all, $(awk -v ms="$elapsed_ms" -v n="$total" 'BEGIN { printf "%.1f", ms / n }') ms per save (wall clock, copies running together)"
grep -h "saved in" "$work"/copy*.log | sed "s/^/  /"
