// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/text.h"
#include "data/wordfile.h"
#include "game/form1.h"
#include "game/form1_texts.h"
#include "game/rules.h"

// Reset Game: level 1 with fresh word lists. It leaves alone what it does not name here:
// the next bonus threshold, the bonus state, Timer1, the window colours, the stale
// counters that the next word updates, and the highscores.
void Form1::rstgame_Click() {
    ctx.statistics->gameEnded(figures());
    TextFile2ListBox(data::kWordFile, woordenlijst.items());
    TextFile2ListBox(data::kBonusFile, bonuslist.items());
    rstgame.setEnabled(false);
    goknipper.setEnabled(false);
    flashMessage(form1_texts::kReset);
    lives = rules::kStartLives;
    invoer.setText("");
    speed = rules::kStartSpeed;
    level = 1;
    wordsInLevel = 0;
    lvllbl.setCaption(base::decimal(level));
    scorelbl.setCaption("0");
    godMode = false;
    scoreLeft = rules::kPointsPerWord;
    snel.setLeft(startLeft);
    currentWord = form1_texts::kStartSentinel;
    losecmd.setCaption(livesCaption());
    Command1.setCaption(form1_texts::kStartLevel + base::decimal(level));
    gameover.hide();
    Command1.setEnabled(true);
}
