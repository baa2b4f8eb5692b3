// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/failure.h"
#include "base/text.h"
#include "game/form1.h"
#include "game/form1_texts.h"
#include "game/rules.h"

#include <charconv>

namespace {

// The score has no variable of its own: it is the caption of scorelbl, as the game has
// always kept it, read back as a number and written back in plain decimal digits. A score
// is always whole, so it never shows a decimal separator, and a round number such as
// 100000 never turns into "1e+05".
double readScore(const std::string& caption) {
    double value = 0;
    std::from_chars(caption.data(), caption.data() + caption.size(), value);
    return value;
}

std::string writeScore(double value) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return std::string(text, result.ptr);
}

const char* praiseFor(int points) {
    for (const form1_texts::Praise& praise : form1_texts::kPraise) {
        if (points >= praise.floor) {
            return praise.text;
        }
    }
    return std::end(form1_texts::kPraise)[-1].text;
}

}  // namespace

// Settles a word typed in time: its points, then the end of the level after the tenth
// word, otherwise the praise and at once the next word.
void Form1::WordCompleted() {
    Timer1.setEnabled(false);
    scorelbl.setCaption(writeScore(readScore(scorelbl.caption()) + scoreLeft));
    ctx.statistics->wordCompleted(figures());
    cheaterlbl.setVisible(godMode);
    snel.setCaption("");
    invoer.setText("");
    snel.setLeft(startLeft);
    if (bonusActive) {
        BonusWon();
    } else {
        wordsInLevel =
            base::checkedAdd<std::int16_t>(wordsInLevel, 1, "het aantal woorden in dit level");
        xplbl.setCaption(base::decimal(wordsInLevel));
    }

    if (wordsInLevel == rules::kWordsPerLevel) {
        level = base::checkedAdd<std::int16_t>(level, 1, "het level");
        speed = base::checkedAdd(speed, rules::kSpeedPerLevel, "de snelheid");
        wordsInLevel = 0;
        lvllbl.setCaption(base::decimal(level));
        xplbl.setCaption(base::decimal(wordsInLevel));
        Command1.setCaption(form1_texts::kStartLevel + base::decimal(level));
        scoreLeft = rules::kPointsPerWord;
        // Between levels no word runs: the tenth word can no more be typed for points.
        currentWord = form1_texts::kStartSentinel;
        ctx.dialogs.msgBox(
            form1_texts::kLevelDoneBefore + base::decimal(level) + form1_texts::kLevelDoneAfter,
            base::kExclamation);
        Command1.setEnabled(true);
        return;
    }

    flashMessage((praiseFor(scoreLeft) + std::string("\r\n") + base::decimal(scoreLeft)).c_str());
    scoreLeft = rules::kPointsPerWord;
    if (readScore(scorelbl.caption()) >= nextBonusAt) {
        StartBonusLevel();
    }
    Command1_Click();
}

app::GameFigures Form1::figures() const {
    return {readScore(scorelbl.caption()), level, godMode};
}

// The short message in goedlbl, hidden again by goedtimer's first tick.
void Form1::flashMessage(const char* text) {
    goedlbl.setCaption(text);
    goedlbl.show();
    goedtimer.setEnabled(true);
}

void Form1::goedtimer_Timer() {
    goedlbl.hide();
    goedtimer.setEnabled(false);
}
