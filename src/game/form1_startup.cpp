#include "data/cipher.h"
#include "data/files.h"
#include "data/highscores.h"
#include "data/wordfile.h"
#include "game/form1.h"
#include "game/form1_texts.h"
#include "game/rules.h"
#include "ui/failure.h"
#include "ui/text.h"
#include "version.h"

#include <QFileInfo>

namespace {

// "ToetsRace 0.27": the product name, the minor version and the revision.
std::string productCaption() {
    return std::string(kProductName) + " " + ui::decimal(kVersionMinor) + "." +
           ui::decimal(kVersionRevision);
}

}  // namespace

void Form1::Form_Load() {
    ctx.random.reseedFromClock();
    try {
        readHighscores();
        setCaption(productCaption());
        TextFile2ListBox(data::kWordFile, woordenlijst.items());
        TextFile2ListBox(data::kBonusFile, bonuslist.items());
        aantalw.setCaption(ui::decimal(woordenlijst.items().count()));

        lives = rules::kStartLives;
        speed = rules::kStartSpeed;
        bonusActive = false;
        level = 1;
        godMode = false;
        nextBonusAt = rules::kBonusStep;
        scoreLeft = rules::kPointsPerWord;
        wordsInLevel = 0;
        startLeft = ui::checkedNarrow<std::int16_t>(snel.left(), "de beginplaats van het woord");
        currentWord = form1_texts::kStartSentinel;

        data::dropBlankFirstEntry(woordenlijst.items());
        if (!woordenlijst.items().holdsAWord()) {
            throw ui::Failure(form1_texts::kNoWords);
        }
        data::writeWordListFile(ctx.programFile(data::kWordFile), woordenlijst.items());
    } catch (const ui::Failure& failure) {
        // A failure after the highscores were read names its own cause and leaves every
        // stored file as it was.
        ctx.dialogs.msgBox(failure.what(), ui::kCritical);
        throw ui::ProgramEnd{1};
    }
}

// The reading rule of the highscore file: decipher its whole text and add every line that
// a CR LF ends. A missing file is created empty and the game ends; one that cannot be
// read ends the game the same way but stays exactly as it is.
void Form1::readHighscores() {
    const QString path = ctx.programFile(data::kHighscoreFile);
    if (!QFileInfo(path).exists()) {
        ctx.dialogs.msgBox(form1_texts::kNoHighscores, ui::kInformation);
        try {
            data::saveWholeFile(path, {});
        } catch (const data::FileError& error) {
            throw ui::Failure(data::saveFailureMessage(path, error.what()));
        }
        throw ui::ProgramEnd{0};
    }
    std::string text;
    try {
        text = data::readWholeFile(path);
    } catch (const data::FileError&) {
        ctx.dialogs.msgBox(form1_texts::kNoHighscores, ui::kInformation);
        throw ui::ProgramEnd{1};
    }
    if (text.size() >= data::kCipherLimit) {
        ctx.dialogs.msgBox(form1_texts::kNoHighscores, ui::kInformation);
        throw ui::ProgramEnd{1};
    }
    for (const std::string& entry : data::highscoreEntries(text)) {
        hiscorelist.items().addItem(entry);
    }
}
