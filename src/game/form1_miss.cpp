// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/failure.h"
#include "base/text.h"
#include "game/form1.h"
#include "game/form1_texts.h"
#include "game/rules.h"

// Settles a word that reached the finish line: a life lost, or the bonus, and the game
// waits for losecmd; when no life is left, the game is over.
void Form1::WordMissed() {
    ctx.statistics->wordMissed(figures());
    if (bonusActive) {
        // Timer1 is already stopped: no tick runs for this word while the message shows.
        ctx.dialogs.msgBox(form1_texts::kBonusMissed, base::kExclamation);
        speed = savedSpeed;
    } else if (lives > rules::kGameOverLives) {
        lives = base::checkedSub<std::int16_t>(lives, 1, "het aantal levens");
    }
    currentWord = form1_texts::kMissSentinel;
    scoreLeft = rules::kPointsPerWord;
    flashMessage(form1_texts::kMissed);
    // A miss after the game is over ("/p" runs the word on) is game over once more: no
    // life below none is ever offered, and only Reset Game leads on.
    if (lives == rules::kGameOverLives) {
        gameover.show();
        losecmd.setEnabled(false);
        Command1.setEnabled(false);
        GameOver();
        return;
    }
    losecmd.setCaption(livesCaption());
    losecmd.setEnabled(true);
    bonusActive = false;
    setBackColour(ui::kButtonFace);
    snel.setForeColour(ui::kBlack);
    RestoreLabelColours();
}

void Form1::GameOver() {
    ctx.statistics->gameEnded(figures());
    rstgame.setEnabled(true);
    goknipper.setEnabled(true);
}

void Form1::goknipper_Timer() {
    gameover.setVisible(gameover.isHidden());
}

// Takes the next life.
void Form1::losecmd_Click() {
    losecmd.setEnabled(false);
    snel.setLeft(startLeft);
    invoer.setText("");
    Command1_Click();
}

void Form1::RestoreLabelColours() {
    ui::Label* const labels[] = {&Label1, &Label2, &Label3,    &Label4,     &Label5,
                                 &Label6, &Label7, &scorelbl,  &cheaterlbl, &aantalw,
                                 &xplbl,  &lvllbl, &scoreover, &speedlbl};
    // The bonus level's random colours may put black on black: an edge keeps the texts
    // readable while they flash.
    const bool flashing = backColour() != ui::kButtonFace;
    for (ui::Label* label : labels) {
        label->setBackColour(backColour());
        label->setHalo(flashing);
    }
    snel.setHalo(flashing);
}

std::string Form1::livesCaption() const {
    return form1_texts::kLivesBefore + base::decimal(lives) + form1_texts::kLivesAfter;
}
