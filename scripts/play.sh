#!/usr/bin/env bash
# Builds the game and starts it through its launcher, which runs it from the player's
# folder ${XDG_DATA_HOME:-~/.local/share}/toetsrace: the executable, the word lists and
# the highscores live there. Rebuilding and playing again replaces only the executable.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" build
"$root/scripts/build.sh"
cmake --install "$root/build" --prefix "$root/build/stage" >/dev/null
exec "$root/build/stage/bin/toetsrace"
