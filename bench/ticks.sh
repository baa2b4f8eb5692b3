#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# Nanoseconds per movement tick and per keystroke with the whole Debian Dutch word list
# loaded, and with ten words for comparison: neither may depend on the list's size. Each
# runs without and with the typing statistics: they may add nothing to a tick and at most
# a microsecond to a keystroke.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" build bench
"$root/scripts/build.sh"
source "$root/bench/wordlist.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/full" "$work/ten"
make_dutch_wordlist "$work/full"
head -n 10 "$work/full/woordenlijst.txt" >"$work/ten/woordenlijst.txt"
cp "$root/share/bonuslijst.txt" "$work/full/"
cp "$root/share/bonuslijst.txt" "$work/ten/"
for list in full ten; do
    echo "== $list list"
    QT_QPA_PLATFORM=offscreen "$root/build/bench/tick_keystroke" "$work/$list" 2>/dev/null
    echo "== $list list, keeping statistics"
    QT_QPA_PLATFORM=offscreen "$root/build/bench/tick_keystroke" "$work/$list" --statistics 2>/dev/null
done
