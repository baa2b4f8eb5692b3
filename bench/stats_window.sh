#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# How long the "Statistieken" window takes to open with 10,000 games stored. Target: under
# 150 ms. Fills a fresh database first (about 200,000 words, each in its own transaction).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" build
"$root/scripts/build.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
QT_QPA_PLATFORM=offscreen "$root/build/bench/stats_window" "$work" "${1:-10000}" 2>/dev/null |
    awk '{ print } /^open_first_ms/ { first = $2 } /^open_again_ms/ { again = $2 }
         END { slowest = (first > again) ? first : again
               printf "slowest open: %.1f ms (target under 150)\n", slowest }'
