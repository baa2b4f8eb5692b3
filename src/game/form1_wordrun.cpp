// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/wordsupply.h"
#include "base/failure.h"
#include "base/text.h"
#include "data/wordfile.h"
#include "game/form1.h"
#include "game/form1_texts.h"

// The Start Level operation: draws the next word, from the bonus list during a bonus
// level, and sets it running.
void Form1::Command1_Click() {
    if (!drawWord()) {
        // No word runs: nothing can be completed that is not shown, and the Start Level
        // button stays available.
        currentWord = form1_texts::kStartSentinel;
        Command1.setEnabled(true);
        return;
    }
    invoer.setFocus();
    Command1.setEnabled(false);
    snel.setCaption(currentWord);
    Timer1.setEnabled(true);
    ctx.statistics->wordShown(currentWord, bonusActive);
}

// Draws without repeats, from the bonus list during a bonus level. Both lists are filled
// again from their files once a draw has left them without entries.
bool Form1::drawWord() {
    if (bonusActive && !app::offerWords(data::kBonusFile, bonuslist.items(), ctx.dialogs)) {
        // A bonus level without a word does not hold the game: the player has been told,
        // and the game goes on at its own speed with the main list.
        speed = savedSpeed;
        bonusActive = false;
    }
    ui::ListBox& list = bonusActive ? bonuslist : woordenlijst;
    const auto drawn = app::drawWord(list.items(), bonusActive ? data::kBonusFile : data::kWordFile,
                                     ctx.random, app::Seeding::FromClockEachTry, ctx.dialogs);
    if (!drawn) {
        return false;
    }
    wordIndex = drawn->index;
    currentWord = drawn->word;
    if (woordenlijst.items().count() == 0) {
        TextFile2ListBox(data::kWordFile, woordenlijst.items());
    }
    if (bonuslist.items().count() == 0) {
        TextFile2ListBox(data::kBonusFile, bonuslist.items());
    }
    return true;
}

// The movement tick: the points count down, the word moves left by `speed` twips and is
// missed when it reaches the finish line.
void Form1::Timer1_Timer() {
    ctx.random.reseedFromClock();
    speedlbl.setCaption(base::decimal(speed));
    if (scoreLeft > 0) {
        scoreLeft =
            base::roundChecked<std::int16_t>(scoreLeft - speed / 10.0, "de punten voor het woord");
    }
    if (scoreLeft <= 0) {
        scoreLeft = 0;
    }
    scoreover.setCaption(base::decimal(scoreLeft));
    if (bonusActive) {
        FlashColours();
    }
    if (lane.step(speed)) {
        WordMissed();
    }
}

// The word match, then the typed commands, on every change of the typing box.
void Form1::invoer_Change() {
    if (invoer.textIs(currentWord)) {
        WordCompleted();
    }
    runTypedCommands();
}
