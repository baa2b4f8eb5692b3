// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "base/listitems.h"
#include "data/cipher.h"

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

// Writes the table's file, replacing the old one atomically. Throws FileError; the stored
// file then stays as it was.
void saveHighscoreFile(const QString& path, const base::ListItems& table);

// The entries a highscore file holds: its whole text deciphered and cut at every CR LF.
// Whatever follows the last CR LF (the file's own closing CR LF, deciphered) is no entry.
// A text too long for the cipher is an overflow failure.
std::vector<std::string> highscoreEntries(std::string_view fileBytes);

}  // namespace data
