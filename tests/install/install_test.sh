#!/usr/bin/env bash
# Installs the game into a temporary prefix and checks what lands where, that the desktop
# entry and the metainfo validate, and that the launcher prepares the player's folder
# and keeps the highscores across an upgrade.
# Usage: install_test.sh <build folder>
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/toetsrace libexec/toetsrace/toetsrace share/toetsrace/woordenlijst.txt \
         share/toetsrace/bonuslijst.txt share/applications/nl.toetsrace.Toetsrace.desktop \
         share/metainfo/nl.toetsrace.Toetsrace.metainfo.xml \
         share/icons/hicolor/48x48/apps/nl.toetsrace.Toetsrace.png share/doc/toetsrace/copyright; do
    [ -f "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/bin/toetsrace" ] || fail "the launcher is not executable"
desktop-file-validate "$prefix/share/applications/nl.toetsrace.Toetsrace.desktop" ||
    fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/nl.toetsrace.Toetsrace.metainfo.xml" ||
    fail "appstreamcli validate"
grep -qx 'Exec=toetsrace' "$prefix/share/applications/nl.toetsrace.Toetsrace.desktop" ||
    fail "the desktop entry does not start the launcher"

# Runs the launcher for a moment; the game keeps running until it is stopped.
play_briefly() {
    local status=0
    XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/bin/toetsrace" \
        >/dev/null 2>&1 || status=$?
    [ "$status" -eq 124 ] || fail "the game ended by itself (status $status)"
}

folder="$work/data/toetsrace"
play_briefly
cmp -s "$prefix/libexec/toetsrace/toetsrace" "$folder/toetsrace" || fail "no game in the folder"
cmp -s "$prefix/share/toetsrace/bonuslijst.txt" "$folder/bonuslijst.txt" || fail "no bonus list"
[ -f "$folder/highscores.txt" ] || fail "no highscores.txt"
[ -f "$folder/woordenlijst.txt" ] || fail "no word list"

# The player's table and lists survive an upgrade; the executable is replaced.
printf 'not really enciphered\r\n' >"$folder/highscores.txt"
cp "$folder/highscores.txt" "$work/highscores.before"
printf 'mijnwoord\r\n' >"$folder/woordenlijst.txt"
printf '\n' >>"$prefix/libexec/toetsrace/toetsrace"   # a new build of the game
play_briefly
cmp -s "$prefix/libexec/toetsrace/toetsrace" "$folder/toetsrace" || fail "the game was not upgraded"
cmp -s "$work/highscores.before" "$folder/highscores.txt" || fail "the highscores changed"
grep -q mijnwoord "$folder/woordenlijst.txt" || fail "the player's word list was replaced"
echo "install: ok"
