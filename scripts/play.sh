#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the game alone, installs it into build/stage as a distribution would lay it out,
# and plays it from there. Like the installed game, it keeps the player's word lists,
# highscores and statistics in ${XDG_DATA_HOME:-~/.local/share}/toetsrace.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

# Before anything is installed or built: without a display there is nothing to play on.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "play.sh: no display (DISPLAY and WAYLAND_DISPLAY are empty): Toetsrace needs a" \
         "graphical desktop session. Run this command from a terminal on your desktop." >&2
    exit 1
fi

"$root/scripts/deps.sh" build play
cmake -S "$root" -B "$root/build" -G Ninja >/dev/null
cmake --build "$root/build" -j "$(nproc)" --target toetsrace
stage="$root/build/stage"
cmake --install "$root/build" --prefix "$stage" >/dev/null
games=$(sed -n 's/^TOETSRACE_INSTALL_GAMESDIR:[A-Z]*=//p' "$root/build/CMakeCache.txt")
case "$games" in /*) ;; *) games="$stage/$games" ;; esac
exec "$games/toetsrace"
