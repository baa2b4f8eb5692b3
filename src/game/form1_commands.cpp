// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/failure.h"
#include "game/form1.h"
#include "game/form1_texts.h"
#include "game/rules.h"

// The commands, each the whole text of the box, tested in turn on the text as it stands
// then; each clears the box, which runs the change handler again on the empty text.
void Form1::runTypedCommands() {
    using namespace form1_texts;
    // A command's keys were no typing of the word.
    const auto typed = [this](const char* command) {
        if (!invoer.textIs(command)) {
            return false;
        }
        ctx.statistics->commandTyped();
        return true;
    };
    if (typed(kSpeedCommand)) {
        speed = base::checkedAdd(speed, rules::kSpeedCommandStep, "de snelheid");
        invoer.setText("");
    }
    if (typed(kPauseCommand)) {
        const bool pausing = Timer1.enabled();
        Timer1.setEnabled(!pausing);
        ctx.statistics->paused(pausing);
        invoer.setMaxLength(pausing ? rules::kPausedMaxLength : 0);
        invoer.setText("");
    }
    if (typed(kGodCommand)) {
        ToggleGodMode();
        invoer.setText("");
    }
    if (typed(kDebugCommand)) {
        invoer.setText("");
        woordenlijst.setVisible(woordenlijst.isHidden());
    }
}

// God mode gives 9999 lives and refuses highscores; only a reset leaves it.
void Form1::ToggleGodMode() {
    if (!godMode) {
        godMode = true;
        lives = rules::kGodLives;
        losecmd.setCaption(livesCaption());
        return;
    }
    if (ctx.dialogs.msgBox(form1_texts::kLeaveGodMode, base::kYesNo | base::kInformation |
                                                           base::kDefaultButton2) == base::kYes) {
        rstgame_Click();
    }
}

// Delete empties the box, with any modifier; the key then reaches the empty box.
void Form1::invoer_KeyDown(int keyCode, int) {
    if (keyCode == ui::kKeyDelete) {
        invoer.setText("");
    }
}
