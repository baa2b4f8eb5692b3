#!/usr/bin/env bash
# Builds the game and starts it from its play folder, where it keeps its word lists and
# highscores. The folder survives rebuilds: only the executable is replaced.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" build
"$root/scripts/build.sh"

folder="${XDG_DATA_HOME:-$HOME/.local/share}/toetsrace"
mkdir -p "$folder"
install -m 755 "$root/build/toetsrace" "$folder/toetsrace"
for list in woordenlijst.txt bonuslijst.txt; do
    [ -e "$folder/$list" ] || cp "$root/share/$list" "$folder/$list"
done
# A new folder starts with an empty highscore table instead of the game's first-run stop.
[ -e "$folder/highscores.txt" ] || : > "$folder/highscores.txt"

cd "$folder"
exec ./toetsrace
