// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "base/listitems.h"
#include "data/filelock.h"

#include <QString>

#include <string>

// Word files: one entry per line, lines ended by CR LF or by a CR alone; a LF on its own
// is an ordinary character. Every line is an entry exactly as it stands.
namespace data {

inline constexpr const char* kWordFile = "woordenlijst.txt";
inline constexpr const char* kBonusFile = "bonuslijst.txt";

// Cuts a file's bytes into its lines, without copying them.
base::TextLines splitLines(std::string text);

// The largest word file a list can take in on this machine.
std::size_t largestWordFile();

// The lines of a file. Throws FileError.
base::TextLines readTextLines(const QString& path);

// Empties the list, then fills it with the lines of the file. Throws FileError.
void loadWordFile(const QString& path, base::ListItems& list);

// A word list that start-up wrote ends in a blank line, which sorts to the front: that
// blank entry goes. A list without one (written by hand) keeps every word.
void dropBlankFirstEntry(base::ListItems& list);

// Every entry followed by CR LF, then one more CR LF, written atomically under the file's
// lock, unless the file holds exactly these bytes already. Returns whether it wrote. Throws
// FileError; the stored file then stays as it was.
bool writeWordListFile(const QString& path, const base::ListItems& list,
                       const LockTimes& times = {});

}  // namespace data
