// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/wordsupply.h"

#include "base/failure.h"
#include "data/files.h"
#include "data/wordfile.h"

#include <QString>

#include <new>

namespace app {

namespace {

// The game's own words, for either file and every cause: "bonuslist.txt" is the name the
// game has always given its bonus file here.
constexpr const char* kLoadFailed =
    "woordenlijst.txt of bonuslist.txt niet gevonden, Toetsrace sluit nu af";
constexpr const char* kNoWordsToDraw =
    " bevat geen enkel woord. Zet er woorden in, \xE9\xE9n per regel, en probeer het opnieuw.";

}  // namespace

void TextFile2ListBox(const char* sFile, base::ListItems& oList, base::Dialogs& dialogs) {
    const QString path = QString::fromLatin1(sFile);
    try {
        data::loadWordFile(path, oList);
        return;
    } catch (const data::FileError& error) {
        // A file that is there but is no file to read (a folder, a FIFO, a device), or one
        // too large to take in, is named with its cause by the guard; the game's own
        // message says it is not found.
        if (error.reason() != data::FileError::Reason::Failed) {
            throw;
        }
    } catch (const std::bad_alloc&) {
        throw data::FileError(path, data::FileError::Action::Read, "het past niet in het geheugen",
                              data::FileError::Reason::TooLarge);
    }
    dialogs.msgBox(kLoadFailed, base::kCritical);
    throw base::ProgramEnd{1};
}

bool offerWords(const char* file, base::ListItems& list, base::Dialogs& dialogs) {
    if (list.holdsAWord()) {
        return true;
    }
    TextFile2ListBox(file, list, dialogs);
    if (list.holdsAWord()) {
        return true;
    }
    dialogs.msgBox(file + std::string(kNoWordsToDraw), base::kExclamation);
    return false;
}

std::optional<DrawnWord> drawWord(base::ListItems& list, const char* file, base::Random& random,
                                  Seeding seeding, base::Dialogs& dialogs) {
    DrawnWord drawn{0, {}};
    while (drawn.word.empty()) {
        if (seeding == Seeding::FromClockEachTry) {
            random.reseedFromClock();
        }
        if (!offerWords(file, list, dialogs)) {
            return std::nullopt;
        }
        const float product = random.next() * static_cast<float>(list.count());
        drawn.index =
            base::roundChecked<std::int32_t>(product, "de plaats van het getrokken woord");
        drawn.word = list.item(drawn.index);
    }
    list.removeItem(drawn.index);
    if (list.count() == 0) {
        TextFile2ListBox(file, list, dialogs);
    }
    return drawn;
}

}  // namespace app
