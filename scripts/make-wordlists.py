#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

"""Derives the game's default word lists from Debian's Dutch word list (package wdutch,
from OpenTaal, BSD or CC-BY 3.0).

woordenlijst.txt: common Dutch words of 4 to 10 lower-case letters. The word list has no
frequencies, so "common" is measured by how productive a word is in compounds: a word
that forms many compounds with other words of the list (huis: huisarts, boomhuis, ...)
is one that people use. Fragments that only look like words (ver-, -den) are kept out by
asking for compounds on both sides.

bonuslijst.txt: long, hard compounds of 16 to 24 letters made of two such common words.

Both files are written in Windows-1252 with CR LF line ends, sorted, deterministic.
woordenlijst.txt ends as the game writes it back at every start: one blank line after the
last word. Shipped that way, the first start leaves it as it is and shows the same "Aantal
woorden" as every later one. Plain lower-case words sort the same here as in the game.
The game never writes bonuslijst.txt back, and a blank line there would be an empty bonus
word, so it ends with its last word.

Usage: scripts/make-wordlists.py [/usr/share/dict/dutch] [output folder]
"""
import collections
import hashlib
import re
import sys
from pathlib import Path

MAIN_COUNT = 1500
BONUS_COUNT = 200


def main():
    source = Path(sys.argv[1] if len(sys.argv) > 1 else "/usr/share/dict/dutch")
    target = Path(sys.argv[2] if len(sys.argv) > 2 else Path(__file__).resolve().parent.parent / "share")
    words = [line.rstrip("\n") for line in source.open(encoding="utf-8")]
    plain = {w for w in words if re.fullmatch(r"[a-z]+", w)}

    as_first = collections.Counter()
    as_second = collections.Counter()
    splits = {}
    for word in plain:
        for i in range(3, len(word) - 2):
            first, second = word[:i], word[i:]
            if second not in plain:
                continue
            if first in plain:
                as_first[first] += 1
            elif first.endswith("s") and first[:-1] in plain and len(first) > 4:
                first = first[:-1]
                as_first[first] += 1
            else:
                continue
            as_second[second] += 1
            splits.setdefault(word, (first, second))

    def score(w):
        return as_first[w] + as_second[w]

    candidates = [w for w in plain if 4 <= len(w) <= 10 and as_first[w] >= 2 and as_second[w] >= 2]
    common = sorted(candidates, key=lambda w: (-score(w), w))[:MAIN_COUNT]
    common_set = set(common)

    def stable_hash(w):
        return hashlib.sha1(w.encode("utf-8")).hexdigest()

    long_ones = [w for w, (a, b) in splits.items()
                 if 16 <= len(w) <= 24 and a in common_set and b in common_set]
    bonus = sorted(long_ones, key=stable_hash)[:BONUS_COUNT]

    write(target / "woordenlijst.txt", sorted(common), blank_line_after=True)
    write(target / "bonuslijst.txt", sorted(bonus))
    print(f"{len(common)} words, {len(bonus)} bonus words written to {target}")


def write(path, words, blank_line_after=False):
    text = "".join(w + "\r\n" for w in words) + ("\r\n" if blank_line_after else "")
    path.write_bytes(text.encode("cp1252"))


if __name__ == "__main__":
    main()
