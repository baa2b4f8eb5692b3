// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/failure.h"
#include "base/text.h"
#include "data/files.h"
#include "data/highscores.h"
#include "data/wordfile.h"
#include "game/form1.h"
#include "game/form1_texts.h"
#include "game/rules.h"
#include "version.h"

namespace {

// "ToetsRace 0.27": the product name, the minor version and the revision.
std::string productCaption() {
    return std::string(kProductName) + " " + base::decimal(kVersionMinor) + "." +
           base::decimal(kVersionRevision);
}

}  // namespace

// Start-up runs through the guard like every handler: a failure after the highscores are
// read names its own cause and leaves every stored file as it was.
void Form1::Form_Load() {
    ctx.random.reseedFromClock();
    readHighscores();
    setCaption(productCaption());
    TextFile2ListBox(data::kWordFile, woordenlijst.items());
    TextFile2ListBox(data::kBonusFile, bonuslist.items());
    aantalw.setCaption(base::decimal(woordenlijst.items().count()));

    lives = rules::kStartLives;
    speed = rules::kStartSpeed;
    bonusActive = false;
    level = 1;
    godMode = false;
    nextBonusAt = rules::kBonusStep;
    scoreLeft = rules::kPointsPerWord;
    wordsInLevel = 0;
    startLeft = base::checkedNarrow<std::int16_t>(snel.left(), "de beginplaats van het woord");
    currentWord = form1_texts::kStartSentinel;

    data::dropBlankFirstEntry(woordenlijst.items());
    if (!woordenlijst.items().holdsAWord()) {
        throw base::Failure(form1_texts::kNoWords);
    }
    writeWordList();
}

// Written back only where its bytes change. When another copy of the game holds it too
// long, the player may try again; the game starts either way.
void Form1::writeWordList() {
    for (;;) {
        try {
            data::writeWordListFile(ctx.programFile(data::kWordFile), woordenlijst.items());
            return;
        } catch (const data::FileError& error) {
            if (error.reason() != data::FileError::Reason::Busy &&
                error.reason() != data::FileError::Reason::LockUnusable) {
                throw;
            }
            if (ctx.dialogs.msgBox(app::saveLaterQuestion(error, form1_texts::kWordListWaits),
                                   base::kYesNo | base::kExclamation) != base::kYes) {
                return;
            }
        }
    }
}

// The reading rule of the highscore file: decipher its whole text and add every line that
// a CR LF ends. A missing file is created empty and the game ends. One that is there but
// cannot be used (no access, a folder, too large, no regular file) reaches the guard,
// which names the file, its folder and the cause; the file stays exactly as it is.
void Form1::readHighscores() {
    const QString path = ctx.programFile(data::kHighscoreFile);
    if (data::fileKind(path) == data::FileKind::Missing) {
        ctx.dialogs.msgBox(form1_texts::kNoHighscores, base::kInformation);
        data::createEmptyFileIfMissing(path);
        throw base::ProgramEnd{0};
    }
    for (const std::string& entry : data::readHighscoreFile(path)) {
        hiscorelist.items().addItem(entry);
    }
}
