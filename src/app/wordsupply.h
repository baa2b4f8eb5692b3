// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "base/dialogs.h"
#include "base/listitems.h"
#include "base/random.h"

#include <cstdint>
#include <optional>
#include <string>

// The words both games draw, and what the player is told when a word file fails them.
namespace app {

// Empties the list, then fills it with the lines of the file, read from the working
// directory. A file that cannot be read is fatal: the player is told so and the program
// ends. Throws data::FileError for a file that is no regular file or too large, which the
// guard names with its cause.
void TextFile2ListBox(const char* sFile, base::ListItems& oList, base::Dialogs& dialogs);

// Makes sure a list offers a word to draw: a list of nothing but empty entries is filled
// again from its file; a file without a single word is told to the player, and then it
// returns false. Words are drawn only from lists this said yes to, so a draw never hangs.
bool offerWords(const char* file, base::ListItems& list, base::Dialogs& dialogs);

struct DrawnWord {
    std::int32_t index;  // 32 bits: a word list may hold more than 32,767 words
    std::string word;
};

// Whether the generator is seeded from the clock before each try: the main game does,
// memory mode never does.
enum class Seeding { FromClockEachTry, Never };

// The draw of both games: r × N, rounded half to even, from a uniform r in [0, 1) taken in
// single precision, so that positions 0 and N are half as likely as the rest; position N,
// past the last entry, and an empty entry draw again. The drawn entry leaves the list, and
// a list left without entries is filled again from its file. Nothing, when the file has no
// word (the player has been told).
std::optional<DrawnWord> drawWord(base::ListItems& list, const char* file, base::Random& random,
                                  Seeding seeding, base::Dialogs& dialogs);

}  // namespace app
