#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# Four copies of the game save 50 highscores each into one folder at the same time; counts
# the entries in the file afterwards (all 200 must be there) and the time per save.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" build
"$root/scripts/build.sh"
exec bash "$root/tests/faults/shared_folder_test.sh" "$root/build" 4 50
