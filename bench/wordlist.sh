# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the benchmarks: builds the whole Debian Dutch word list, shuffled the same
# way every time, in Windows-1252 with CR LF, as $1/woordenlijst.txt, and the same words
# in UTF-8 with LF as $1/words.utf8.
make_dutch_wordlist() {
    local dir=$1
    shuf --random-source=<(yes) /usr/share/dict/dutch | iconv -f UTF-8 -t CP1252//TRANSLIT |
        sed 's/$/\r/' >"$dir/woordenlijst.txt"
    iconv -f CP1252 -t UTF-8 "$dir/woordenlijst.txt" | tr -d '\r' >"$dir/words.utf8"
}
