// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/failure.h"
#include "game/form1.h"
#include "game/form1_texts.h"
#include "game/rules.h"

namespace {

int colourPart(float r) {
    return base::roundChecked<int>(r * 255.0, "een kleurwaarde");
}

}  // namespace

// Earned every 25000 points: one word from the bonus list, slower, in flashing colours.
void Form1::StartBonusLevel() {
    nextBonusAt =
        base::checkedAdd(nextBonusAt, rules::kBonusStep, "de score voor het volgende bonuslevel");
    savedSpeed = base::checkedNarrow<std::int16_t>(
        speed, "de snelheid bij het begin van het bonuslevel (bewaard in savedSpeed)");
    ctx.dialogs.msgBox(form1_texts::kBonusStart, base::kExclamation);
    bonusActive = true;
    speed = base::checkedSub(speed, rules::kBonusSlowdown, "de snelheid");
}

// On every tick of a bonus word: a random colour for the word, another for the window and
// the information labels.
void Form1::FlashColours() {
    const float r1 = ctx.random.next();
    const float r2 = ctx.random.next();
    const float r3 = ctx.random.next();
    snel.setForeColour(ui::Colour::rgb(colourPart(r1), colourPart(r2), colourPart(r3)));
    const float r4 = ctx.random.next();
    const float r5 = ctx.random.next();
    const float r6 = ctx.random.next();
    setBackColour(ui::Colour::rgb(colourPart(r4), colourPart(r5), colourPart(r6)));
    RestoreLabelColours();
}

// The bonus word typed in time: the speed from before the bonus level, less a third.
void Form1::BonusWon() {
    ctx.dialogs.msgBox(form1_texts::kBonusWon, base::kExclamation);
    speed = savedSpeed;
    const std::int32_t reduction =
        base::roundChecked<std::int32_t>(savedSpeed / 3.0, "de snelheidsverlaging");
    speed = base::checkedSub(speed, reduction, "de snelheid");
    setBackColour(ui::kButtonFace);
    snel.setForeColour(ui::kBlack);
    RestoreLabelColours();
    bonusActive = false;
}
