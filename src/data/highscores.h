// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "base/listitems.h"
#include "data/cipher.h"
#include "data/filelock.h"
#include "data/files.h"

#include <QString>

#include <string>
#include <string_view>
#include <vector>

// The highscore file: the table's plain text (every entry followed by CR LF) enciphered
// with the fixed key, then a plain CR LF.
namespace data {

inline constexpr const char* kHighscoreFile = "highscores.txt";
inline constexpr std::string_view kHighscoreKey = "zwavel";

// The largest file start-up can read back: its whole text must stay below the cipher's
// limit. The plain text of the table is two characters shorter (the file's own CR LF).
inline constexpr std::size_t kLargestHighscoreFile = kCipherLimit - 1;
inline constexpr std::size_t kLargestHighscoreText = kLargestHighscoreFile - 2;

// The table's plain text: every entry, in the table's order, followed by CR LF.
std::string highscorePlainText(const base::ListItems& table);

// The bytes of the file for a table: its plain text enciphered, then a plain CR LF.
// A table too large for the cipher is an overflow failure.
std::string highscoreFileBytes(const base::ListItems& table);

// What one window changed in the table: the entry it added or the entry it deleted.
struct HighscoreChange {
    enum class Kind { Add, Delete };
    Kind kind;
    std::string entry;
};

// Applies a window's changes to the table as it is stored now, in order, under the file's
// lock: the file is read afresh, the changes applied and the result written back, so that
// no entry another copy of the game added is lost and an entry deleted stays deleted.
// `table` then shows what is stored; after a failure, what it showed before. An added
// entry that would make the table too large for the cipher is left out, and the result is
// false. Throws FileError; the stored file then stays as it was. Busy, LockUnusable and
// ForeignLink (see files.h) leave it to the window to try again later.
bool saveHighscoreChanges(const QString& path, base::ListItems& table,
                          const std::vector<HighscoreChange>& changes, const LockTimes& times = {});

// The change made to the table in memory only, as the window shows it while it waits to be
// saved.
void applyHighscoreChange(base::ListItems& table, const HighscoreChange& change);

// The entries of a stored highscore file, read with the reading rule below. A file too
// large for the cipher is refused from its size. Throws FileError.
std::vector<std::string> readHighscoreFile(const QString& path);

// The entries a highscore file holds: its whole text deciphered and cut at every CR LF.
// Whatever follows the last CR LF (the file's own closing CR LF, deciphered) is no entry.
// A text too long for the cipher is an overflow failure.
std::vector<std::string> highscoreEntries(std::string_view fileBytes);

}  // namespace data
