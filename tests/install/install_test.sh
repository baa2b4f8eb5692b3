#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the game into a staging folder (DESTDIR) and checks the layout a distribution
# ships: the executable among the games and nothing on the PATH besides, the default word
# lists, a desktop entry and metainfo that validate and compose into a software-centre
# catalogue, icons at every size with alpha, and the manual pages. Then starts the
# installed game for a moment, with a home and data folder of its own.
# Usage: install_test.sh <build folder>
set -euo pipefail
build=$1
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
id=nl.toetsrace.Toetsrace

cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
prefix=$(cached CMAKE_INSTALL_PREFIX)
under_prefix() { case "$1" in /*) echo "$1" ;; *) echo "$prefix/$1" ;; esac; }
games=$(under_prefix "$(cached TOETSRACE_INSTALL_GAMESDIR)")
lists=$(under_prefix "$(cached TOETSRACE_INSTALL_DATADIR)")
root="$work/root"
DESTDIR="$root" cmake --install "$build" >/dev/null
usr="$root$prefix"

[ -x "$root$games/toetsrace" ] || fail "no executable in $games"
[ "$(find "$root" -type f -perm -u+x | wc -l)" -eq 1 ] || fail "more than the game is executable"
[ ! -e "$usr/bin" ] && [ ! -e "$usr/libexec" ] || fail "a launcher or second copy is installed"
for list in woordenlijst.txt bonuslijst.txt; do
    cmp -s "$source_dir/share/$list" "$root$lists/$list" || fail "$list is not in $lists"
done

desktop="$usr/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
grep -qx 'Exec=toetsrace' "$desktop" || fail "the desktop entry does not start the game"
grep -qx 'Exec=toetsrace --statistieken' "$desktop" || fail "no action opens the statistics"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"

# Width, height and colour type from a PNG's header: type 6 is RGB with alpha.
png_header() { od -An -tu1 -j16 -N10 "$1" | awk '{ print $3 * 256 + $4, $7 * 256 + $8, $10 }'; }
for size in 16 22 24 32 48 64 128 256; do
    icon="$usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -f "$icon" ] || fail "no $size px icon"
    [ "$(png_header "$icon")" = "$size $size 6" ] || fail "the $size px icon is $(png_header "$icon")"
done
grep -q '<svg' "$usr/share/icons/hicolor/scalable/apps/$id.svg" || fail "no scalable icon"

# What a software centre sees: compose must accept the component and cache its icons.
if appstreamcli compose --help >/dev/null 2>&1; then
    appstreamcli compose --no-net --prefix="$prefix" --result-root="$work/catalog" \
        --origin=toetsrace "$root" >"$work/compose.log" 2>&1 || { cat "$work/compose.log"; fail "compose"; }
    catalog=$(zcat "$work/catalog/${prefix#/}/share/swcatalog/xml/toetsrace.xml.gz")
    grep -q "<id>$id</id>" <<<"$catalog" || { cat "$work/compose.log"; fail "compose left the game out of the catalogue"; }
    [ -f "$work/catalog/${prefix#/}/share/swcatalog/icons/toetsrace/128x128/$id.png" ] ||
        fail "compose cached no 128 px icon"
else
    echo "appstreamcli compose is not installed (Debian appstream-compose): not composed" >&2
fi

# The players' documentation, not the developers' README.md.
for doc in README NEWS; do
    cmp -s "$source_dir/share/doc/$doc" "$usr/share/doc/toetsrace/$doc" || fail "no $doc for the players"
done
[ ! -e "$usr/share/doc/toetsrace/README.md" ] || fail "the developers' README.md is installed"

for page in "$usr/share/man/man6/toetsrace.6" "$usr/share/man/nl/man6/toetsrace.6"; do
    grep -q '^\.TH TOETSRACE 6 ' "$page" || fail "no manual page $page"
done

# The installed game starts and keeps running until it is stopped (timeout's status 124):
# on first use it plays at once, from a folder of the player's own.
play_briefly() {  # <home> <XDG_DATA_HOME or "">
    local status=0
    (cd "$work" && HOME="$1" XDG_DATA_HOME="$2" QT_QPA_PLATFORM=offscreen \
        timeout 3 "$root$games/toetsrace" >>"$work/game.log" 2>&1) || status=$?
    [ "$status" -eq 124 ] || { cat "$work/game.log"; fail "the game ended by itself (status $status)"; }
}
player_files() { (cd "$1" && ls -A | sort | tr '\n' ' '); }
expected="bonuslijst.txt highscores.txt woordenlijst.txt "

# Three starts at once on first use: none fails, and the folder is made ready once.
mkdir -p "$work/home"
touch "$work/installed"
for copy in 1 2 3; do play_briefly "$work/home" "$work/data" & done
wait
folder="$work/data/toetsrace"
[ "$(player_files "$folder")" = "$expected" ] || fail "the player's folder holds: $(player_files "$folder")"
cmp -s "$root$lists/bonuslijst.txt" "$folder/bonuslijst.txt" || fail "no default bonus list"
[ ! -s "$folder/highscores.txt" ] || fail "the first highscores.txt is not empty"
[ -z "$(find "$root" -newer "$work/installed")" ] || fail "the game wrote into its installation"

# The player's own files stay as they are at the next start.
printf 'mijnwoord\r\n' >"$folder/woordenlijst.txt"
cp "$folder/bonuslijst.txt" "$work/bonus.before"
play_briefly "$work/home" "$work/data"
grep -q mijnwoord "$folder/woordenlijst.txt" || fail "the player's word list was replaced"
cmp -s "$work/bonus.before" "$folder/bonuslijst.txt" || fail "the bonus list changed"

# A relative XDG_DATA_HOME is ignored: ~/.local/share it is.
play_briefly "$work/home" "relatief/pad"
[ "$(player_files "$work/home/.local/share/toetsrace")" = "$expected" ] ||
    fail "a relative XDG_DATA_HOME was not ignored"
[ ! -e "$work/relatief" ] || fail "the game used a relative XDG_DATA_HOME"
echo "install: ok"
