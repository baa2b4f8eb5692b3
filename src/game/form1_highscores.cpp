// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/highscores.h"
#include "game/form1.h"
#include "game/form1_texts.h"

// "Schrijf Highscore": the score as shown, a comma and a space, and the name typed.
void Form1::Command3_Click() {
    using namespace form1_texts;
    if (godMode) {
        ctx.dialogs.msgBox(kCheated, base::kCritical);
        return;
    }
    const std::string score = scorelbl.caption();
    const base::InputAnswer answer = ctx.dialogs.inputBox(kNamePrompt, "", "");
    playerName = answer.text;
    if (playerName.empty()) {
        ctx.dialogs.msgBox(kNoName, base::kCritical);
        return;
    }
    const std::string entry = score + ", " + playerName;
    if (const char* refusal = refusalOf(entry, answer.representable)) {
        ctx.dialogs.msgBox(refusal, base::kExclamation);
        return;
    }
    hiscorelist.items().addItem(entry);
    SaveHighscores();
}

// An entry the file could not keep is refused before anything changes: a line break would
// split it in two at the next start, a character without a code would be stored wrongly,
// and a table past the cipher's limit could not be read back.
const char* Form1::refusalOf(const std::string& entry, bool representable) const {
    if (entry.find_first_of("\r\n") != std::string::npos) {
        return form1_texts::kNameWithLineBreak;
    }
    if (!representable) {
        return form1_texts::kNameNotStorable;
    }
    const std::size_t grown =
        data::highscorePlainText(hiscorelist.items()).size() + entry.size() + 2;
    if (grown > data::kLargestHighscoreText) {
        return form1_texts::kTableFull;
    }
    return nullptr;
}

// "Zie Of Verberg Highscore".
void Form1::Command2_Click() {
    hiscorelist.setVisible(hiscorelist.isHidden());
}

void Form1::hiscorelist_DblClick() {
    const int answer = ctx.dialogs.msgBox(
        form1_texts::kDeleteQuestion, base::kYesNo | base::kInformation | base::kDefaultButton2);
    const int selected = hiscorelist.listIndex();
    // With nothing selected there is nothing to delete, and the file stays as it is.
    if (answer != base::kYes || selected < 0) {
        return;
    }
    hiscorelist.items().removeItem(selected);
    SaveHighscores();
}

void Form1::SaveHighscores() {
    data::saveHighscoreFile(ctx.programFile(data::kHighscoreFile), hiscorelist.items());
}
