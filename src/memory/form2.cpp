// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "memory/form2.h"

#include "app/statistics.h"
#include "app/wordsupply.h"
#include "base/failure.h"
#include "base/text.h"
#include "data/wordfile.h"
#include "memory/form2_texts.h"

#include <QCloseEvent>

namespace {

constexpr ui::Font kWordFont{ui::kSansFace, 18, true};
constexpr ui::Font kPraiseFont{ui::kSansFace, 72, true};
constexpr ui::Font kQuestionFont{ui::kSansFace, 48.75, true};
// How long "Goed!" shows after a correct sequence; the next word comes at once.
constexpr int kPraiseMs = 600;

}  // namespace

Form2::Form2(app::Context& context, base::ListItems& words, QWidget& mainWindow)
    : app::Window(context, "Form2", Qt::Window), words_(words), mainWindow_(mainWindow) {
    setCaption(form2_texts::kCaption);
    setClientSize(10710, 6030, false);
    setFont(ui::toQFont(ui::kWindowFont));
    layOut();
    connectHandlers();
    Text1.setFocus();
}

void Form2::layOut() {
    Label1.setup({120, 60, 2355, 255}, form2_texts::kLabel1Caption);
    onthouden.setup({2460, 60, 915, 255}, "");
    Frame1.setup({1680, 1020, 7455, 1035}, form2_texts::kFrame1Caption);
    onthwoord.setup({300, 300, 6975, 555}, "", kWordFont, ui::Align::Centre);
    // The frame's own shade shows through, as a label inside a frame looks on the original.
    onthwoord.setTransparent(true);
    goed.setup({3240, 2040, 4335, 1755}, form2_texts::kGoedCaption, kPraiseFont, ui::Align::Centre);
    goed.setForeColour(ui::Colour::rgb(0, 255, 0));
    goed.hide();
    Command1.setup({4620, 3900, 1395, 555}, form2_texts::kCommand1Caption);
    Text1.setup({2280, 4560, 6075, 1215}, ui::MultiLineTextBox::ScrollBars::None);
    Command3.setup({8700, 4680, 975, 1050}, form2_texts::kCommand3Caption, kQuestionFont);
    Command2.setup({540, 5280, 1455, 615}, form2_texts::kCommand2Caption);
    flasher.setInterval(kPraiseMs);

    onthouden.setPurpose("Woorden onthouden");
    onthwoord.setPurpose("Laatste woord");
    Text1.setAccessibleName(QStringLiteral("Typ hier alle woorden achter elkaar"));
    Command3.setAccessibleName(QStringLiteral("Uitleg"));

    QWidget::setTabOrder(&Text1, &Command1);
    QWidget::setTabOrder(&Command1, &Command2);
    QWidget::setTabOrder(&Command2, &Command3);
}

void Form2::connectHandlers() {
    Command1.onClick(ctx, [this] { Command1_Click(); });
    Command2.onClick(ctx, [this] { Command2_Click(); });
    Command3.onClick(ctx, [this] { Command3_Click(); });
    Text1.onChange(ctx, [this] { Text1_Change(); });
    flasher.onTick(ctx, [this] { flasher_Timer(); });
    offerStatistics();
}

void Form2::Form_Load() {
    rememberedCount = -1;
}

// "Go!", and the draw of every next word: the word leaves the main window's list, which
// is filled again from its file when it runs empty.
void Form2::Command1_Click() {
    goed.hide();
    Command1.setEnabled(false);
    // Disabling the focused "Go!" would pass the focus on to "Terug naar Toetsrace": the
    // keys belong in the typing box.
    Text1.setFocus();
    if (!drawWord()) {
        Command1.setEnabled(true);
        return;
    }
    onthwoord.setCaption(lastWord);
    sequence += lastWord;
}

bool Form2::drawWord() {
    const auto drawn =
        app::drawWord(words_, data::kWordFile, ctx.random, app::Seeding::Never, ctx.dialogs);
    if (drawn) {
        lastWord = drawn->word;
    }
    return drawn.has_value();
}

void Form2::Text1_Change() {
    if (Text1.textIs(sequence)) {
        SequenceCompleted();
    }
}

void Form2::SequenceCompleted() {
    Text1.setText("");
    Command1_Click();
    rememberedCount = base::checkedAdd(rememberedCount, 1, "het aantal onthouden woorden");
    onthouden.setCaption(base::decimal(rememberedCount));
    // The sequence just typed holds one word more than were typed from memory: the last
    // one stood on the screen.
    ctx.statistics->sequenceRemembered(rememberedCount + 1);
    goed.show();
    flasher.setEnabled(true);
}

void Form2::flasher_Timer() {
    goed.hide();
    flasher.setEnabled(false);
}

void Form2::Command3_Click() {
    ctx.dialogs.msgBox(form2_texts::kExplanation, base::kInformation);
}

void Form2::Command2_Click() {
    ctx.statistics->memoryVisitEnded();
    hide();
    mainWindow_.show();
}

// The close box only hides this window, like "Terug naar Toetsrace"; the main window
// shows first, so the program is never left without a visible window.
void Form2::closeEvent(QCloseEvent* event) {
    ctx.statistics->memoryVisitEnded();
    mainWindow_.show();
    event->accept();
}
