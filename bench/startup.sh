#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up with the whole Debian Dutch word list (about 413,000 words, shuffled, in
# Windows-1252): the game's own path (load, sort, drop the blank entry, rewrite) against
# `sort -f` in the Dutch locale on the same words, and the path's peak memory against the
# same program with a 10-word list. Best of five runs each.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" build bench
if ! locale -a 2>/dev/null | grep -qix 'nl_NL.utf8'; then
    sudo=(); [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" sed -i 's/^# *\(nl_NL.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    "${sudo[@]}" locale-gen >/dev/null
fi
"$root/scripts/build.sh"
path_bin="$root/build/bench/startup_path"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$root/bench/wordlist.sh"
make_dutch_wordlist "$work"
head -n 10 "$work/woordenlijst.txt" >"$work/ten.txt"
mkdir -p "$work/out"
bytes=$(stat -c %s "$work/woordenlijst.txt")
words=$(wc -l <"$work/words.utf8")

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
best_path=999999; best_game=999999; best_sort=999999; peak=0
for _ in 1 2 3 4 5; do
    t0=$(now_ms)
    out=$("$path_bin" "$work/woordenlijst.txt" "$work/out")
    t1=$(now_ms)
    LC_ALL=nl_NL.UTF-8 sort -f "$work/words.utf8" -o "$work/sorted.txt"
    t2=$(now_ms)
    path=$(awk '/^path_ms/ {printf "%d", $2 + 0.5}' <<<"$out")
    peak=$(awk '/^peak_kb/ {print $2}' <<<"$out")
    (( path < best_path )) && best_path=$path
    (( t1 - t0 < best_game )) && best_game=$((t1 - t0))
    (( t2 - t1 < best_sort )) && best_sort=$((t2 - t1))
done
base=$("$path_bin" "$work/ten.txt" "$work/out" | awk '/^peak_kb/ {print $2}')

echo "words: $words, file: $bytes bytes"
echo "game start-up path (load, sort, drop blank, rewrite): ${best_path} ms (whole process ${best_game} ms)"
echo "sort -f, nl_NL.UTF-8: ${best_sort} ms"
awk -v p="$best_path" -v g="$best_game" -v s="$best_sort" \
    'BEGIN { printf "time ratio: path/sort %.2f, process/sort %.2f (target at most 0.50)\n", p / s, g / s }'
echo "peak memory: ${peak} kB with the full list, ${base} kB with 10 words"
awk -v p="$peak" -v b="$base" -v f="$bytes" \
    'BEGIN { printf "extra memory: %.1f MB = %.2f x the file size (target under 3)\n", (p - b) / 1024, (p - b) * 1024 / f }'
