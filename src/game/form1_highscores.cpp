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
    if (!SaveHighscores({data::HighscoreChange::Kind::Add, entry})) {
        ctx.dialogs.msgBox(kTableFull, base::kExclamation);
    }
}

// An entry the file could not keep is refused before anything changes: a line break would
// split it in two at the next start, and a character without a code would be stored
// wrongly. (A table past the cipher's limit is refused when it is saved, against the
// table as it is stored then.)
const char* Form1::refusalOf(const std::string& entry, bool representable) const {
    if (entry.find_first_of("\r\n") != std::string::npos) {
        return form1_texts::kNameWithLineBreak;
    }
    if (!representable) {
        return form1_texts::kNameNotStorable;
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
    SaveHighscores(
        {data::HighscoreChange::Kind::Delete, std::string(hiscorelist.items().item(selected))});
}

// Another copy of the game may share the folder: the change goes into the table as it is
// stored now, and the list shows the result. While another copy holds the file too long,
// the change waits in the list, the player may try again at once, and the game goes on;
// a change that waits goes along with the next save.
bool Form1::SaveHighscores(const data::HighscoreChange& change) {
    unsavedHighscores.push_back(change);
    for (;;) {
        try {
            const bool fits = data::saveHighscoreChanges(ctx.programFile(data::kHighscoreFile),
                                                         hiscorelist.items(), unsavedHighscores);
            unsavedHighscores.clear();
            return fits;
        } catch (const data::FileError& error) {
            if (!app::canSaveLater(error)) {
                throw;
            }
            if (ctx.dialogs.msgBox(app::saveLaterQuestion(error, form1_texts::kHighscoreWaits),
                                   base::kYesNo | base::kExclamation) != base::kYes) {
                data::applyHighscoreChange(hiscorelist.items(), change);
                return true;
            }
        }
    }
}
