#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# Two pupils, two real Unix accounts of one group, share a class folder as a school sets it
# up (the teacher's folder, group-writable and setgid: mode 2775; umask 002). Pupil A plants
# links in it to pupil B's own files; B plays on. Afterwards every file of B's outside the
# folder is byte for byte as it was, B's statistics are B's alone, in B's own data folder,
# and the files the game made in the folder belong to the class. A folder with the sticky
# bit as well (3775) lets both start the game.
# Needs root to make the accounts (removed again at the end); skips (77) otherwise.
# Usage: class_users_test.sh <build folder>
set -euo pipefail
build=$(cd "$1" && pwd)
skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || skip "needs root to make two accounts"
for tool in useradd groupadd userdel groupdel runuser; do
    command -v "$tool" >/dev/null || skip "$tool is missing"
done

tag=$$
group=tr-klas-$tag
a=tr-a-$tag
b=tr-b-$tag
work=$(mktemp -d)
chmod 755 "$work"
cleanup() {
    userdel "$a" 2>/dev/null || true
    userdel "$b" 2>/dev/null || true
    groupdel "$group" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
groupadd "$group"
useradd -M -d "$work/home-a" -G "$group" -s /bin/sh "$a"
useradd -M -d "$work/home-b" -G "$group" -s /bin/sh "$b"
for who in a b; do
    mkdir -p "$work/home-$who" "$work/run-$who"
    chown "tr-$who-$tag:" "$work/home-$who" "$work/run-$who"
    chmod 755 "$work/home-$who"
    chmod 700 "$work/run-$who"
done
pupil="$build/tests/class_pupil"

# Runs the pupil's game as the account, with a school's umask and its own data folder.
as() {
    local who=$1
    shift
    runuser -u "tr-$who-$tag" -- env -i PATH=/usr/bin:/bin HOME="$work/home-$who" \
        QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$work/run-$who" \
        sh -c 'umask 002; exec "$@"' sh timeout 60 "$pupil" "$@"
}

# B's own files, which nothing may change or show: a profile, a private file, an empty one.
printf 'export PS1=b\n' >"$work/home-b/.profile"
printf 'geheim1\r\ngeheim2\r\n' >"$work/home-b/geheim.txt"
: >"$work/home-b/leeg"
chown "$b:" "$work/home-b/.profile" "$work/home-b/geheim.txt" "$work/home-b/leeg"
chmod 600 "$work/home-b/geheim.txt"
snapshot() { (cd "$work/home-b" && find . -path ./.local -prune -o -type f -print0 | sort -z | xargs -0 sha256sum); }
before=$(snapshot)

class_folder() {
    rm -rf "$work/class"
    mkdir -p "$work/class"
    printf 'kat\r\nhond\r\nmuis\r\n' >"$work/class/woordenlijst.txt"
    printf 'bonuswoord\r\n' >"$work/class/bonuslijst.txt"
    : >"$work/class/highscores.txt"
    chgrp -R "$group" "$work/class"
    chmod 664 "$work/class"/*
    chmod "$1" "$work/class"
}

# 1. The class plays: A first, then B. The folder's files stay the class's, even in a folder
# without the setgid bit.
class_folder 775
rm "$work/class/highscores.txt"
as a "$work/class" Anna >"$work/a0.log" && fail "the first start did not end: $(cat "$work/a0.log")"
grep -q "Er is geen highscores.txt gevonden" "$work/a0.log" || fail "no first-start message: $(cat "$work/a0.log")"
[ "$(stat -c '%G %a' "$work/class/highscores.txt")" = "$group 664" ] ||
    fail "a new highscores.txt is $(stat -c '%G %a' "$work/class/highscores.txt") in a $group 775 folder"
chmod 2775 "$work/class"
as a "$work/class" Anna save play >"$work/a1.log" || fail "A's game ended: $(cat "$work/a1.log")"
as b "$work/class" Bert save play >"$work/b1.log" || fail "B's game ended: $(cat "$work/b1.log")"
grep -q '^message' "$work/a1.log" "$work/b1.log" && fail "a message in plain play: $(cat "$work"/[ab]1.log)"
[ "$("$build/tests/highscore_entries" "$work/class/highscores.txt" | sort | tr '\n' ';')" = "1100, Anna;1100, Bert;" ] ||
    fail "the class's highscores are not both there"
[ "$(stat -c '%G %a' "$work/class/highscores.txt")" = "$group 664" ] ||
    fail "highscores.txt is $(stat -c '%G %a' "$work/class/highscores.txt") after the saves"
for who in a b; do
    grep -qx "statistics: $work/home-$who/.local/share/toetsrace/statistieken.sqlite" "$work/${who}1.log" ||
        fail "$who's statistics are not in $who's own folder: $(grep statistics "$work/${who}1.log")"
    [ "$(stat -c %a "$work/home-$who/.local/share/toetsrace")" = 700 ] ||
        fail "$who's statistics folder is open to others"
done
[ ! -e "$work/class/statistieken.sqlite" ] || fail "statistics were kept in the class folder"
echo "class users: two pupils in a 2775 class folder; highscores kept by both, $group 664;" \
     "each pupil's statistics in their own 700 data folder"

# 2. A plants links to B's files; B plays on and touches none of them.
class_folder 2775
as a "$work/class" Anna save >/dev/null
runuser -u "$a" -- ln -sf "$work/home-b/geheim.txt" "$work/class/woordenlijst.txt"
as b "$work/class" Bert >"$work/b2.log" && fail "B's game started on A's link: $(cat "$work/b2.log")"
grep -q "koppeling.*$a" "$work/b2.log" || fail "the link to B's private file was not named: $(cat "$work/b2.log")"
grep -q geheim "$work/b2.log" && fail "B was shown the lines of a file A linked to"

class_folder 2775
as b "$work/class" Bert "wait:$work/class/planted" save play >"$work/b3.log" &
bpid=$!
for _ in $(seq 500); do grep -qs '^started' "$work/b3.log" && break; sleep 0.02; done
runuser -u "$a" -- sh -c "ln -sf '$work/home-b/.profile' '$work/class/highscores.txt' &&
    ln -s '$work/home-b/leeg' '$work/class/statistieken.sqlite' &&
    ln -s '$work/home-b/.bash_logout' '$work/class/statistieken.sqlite-journal' &&
    touch '$work/class/planted'"
wait "$bpid" || fail "B's game ended when A planted links: $(cat "$work/b3.log")"
grep -q "highscores.txt nu niet opslaan.*koppeling.*$a" "$work/b3.log" ||
    fail "the link to B's profile was not named: $(cat "$work/b3.log")"
[ -L "$work/class/highscores.txt" ] || fail "A's link was replaced"
[ ! -e "$work/home-b/.bash_logout" ] || fail "a dangling link created a file in B's home"
[ "$before" = "$(snapshot)" ] || fail "B's files changed: $(diff <(echo "$before") <(snapshot))"
echo "class users: A linked woordenlijst.txt, highscores.txt and the statistics to B's files;" \
     "B's game named each link and left every file of B's as it was"

# 3. With the sticky bit as well, both pupils start the game: a word list that is already in
# order is not written again, whoever owns it.
class_folder 3775
printf 'hond\r\nkat\r\nmuis\r\n\r\n' >"$work/class/woordenlijst.txt"
chown "$a:$group" "$work/class/woordenlijst.txt"
sum=$(sha256sum <"$work/class/woordenlijst.txt")
as a "$work/class" Anna >"$work/a4.log" || fail "A could not start in a sticky folder: $(cat "$work/a4.log")"
as b "$work/class" Bert >"$work/b4.log" || fail "B could not start in a sticky folder: $(cat "$work/b4.log")"
[ "$(sha256sum <"$work/class/woordenlijst.txt")" = "$sum" ] || fail "the word list changed"
[ "$(stat -c %U "$work/class/woordenlijst.txt")" = "$a" ] || fail "the word list changed hands"
echo "class users: a 3775 folder; both pupils started the game, the sorted word list untouched"
