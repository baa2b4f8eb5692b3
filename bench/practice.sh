#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# How long "Oefenen" takes to open with the whole Debian Dutch word list (about 413,000
# words) as woordenlijst.txt and 10,000 games stored ($1 for another number): the history
# read, the list read, the run planned and the window shown. Target: well under a second.
# Then a scripted player at 40 words per minute plays the run, and its pace is printed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" build bench
"$root/scripts/build.sh"
source "$root/bench/wordlist.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
make_dutch_wordlist "$work"
echo "words in the list: $(wc -l <"$work/woordenlijst.txt")"
QT_QPA_PLATFORM=offscreen "$root/build/bench/stats_window" "$work" "${1:-10000}" --fill-only 2>/dev/null
QT_QPA_PLATFORM=offscreen "$root/build/bench/practice_open" "$work" --play 40 2>/dev/null
