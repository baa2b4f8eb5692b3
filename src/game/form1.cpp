// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/form1.h"

#include "about/frmabout.h"
#include "app/statistics.h"
#include "app/wordsupply.h"
#include "base/text.h"
#include "game/form1_texts.h"
#include "game/rules.h"
#include "memory/form2.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace {

// The praise is the widest of the large texts: "ZIEKELIJK!" in FreeSans at 72 points bold
// needs 532 of goedlbl's 449 pixels. FreeSans condensed keeps the size, the weight and the
// line height (two lines, praise and points, fill the label's height), and fits.
constexpr ui::Font kPraiseFont{ui::kSansFace, 72, true, QFont::Condensed};
constexpr ui::Font kGameOverFont{ui::kSansFace, 72, true};
constexpr ui::Font kTypingFont{ui::kSerifFace, 18, true};
constexpr ui::Font kHighscoreFont{ui::kSansFace, 13.5, true};

constexpr int kFlashMs = 500;

}  // namespace

Form1::Form1(app::Context& context) : app::Window(context, "Form1", ui::fixedDialogFrame()) {
    setCaption(form1_texts::kInitialCaption);
    setClientSize(10740, 6060, true);
    setFont(ui::toQFont(ui::kWindowFont));
    layOutStatusArea();
    layOutPlayingField();
    layOutInputAndButtons();
    layOutListsAndTimers();
    setTabOrder();
    nameForScreenReaders();
    connectHandlers();
    invoer.setFocus();
}

Form1::~Form1() = default;

void Form1::connectHandlers() {
    Command1.onClick(ctx, [this] { Command1_Click(); });
    losecmd.onClick(ctx, [this] { losecmd_Click(); });
    rstgame.onClick(ctx, [this] { rstgame_Click(); });
    Command2.onClick(ctx, [this] { Command2_Click(); });
    Command3.onClick(ctx, [this] { Command3_Click(); });
    hiscorelist.onDoubleClick(ctx, [this] { hiscorelist_DblClick(); });
    Command4.onClick(ctx, [this] { Command4_Click(); });
    Command5.onClick(ctx, [this] { Command5_Click(); });
    invoer.onChange(ctx, [this] { invoer_Change(); });
    invoer.onKeyDown(ctx, [this](int keyCode, int shift) { invoer_KeyDown(keyCode, shift); });
    Timer1.onTick(ctx, [this] { Timer1_Timer(); });
    goedtimer.onTick(ctx, [this] { goedtimer_Timer(); });
    goknipper.onTick(ctx, [this] { goknipper_Timer(); });
    invoer.observeKeys(*ctx.statistics);
    offerStatistics();
}

void Form1::layOutStatusArea() {
    Label2.setup({0, 0, 615, 255}, form1_texts::kLabel2Caption);
    scorelbl.setup({540, 0, 1095, 255}, form1_texts::kScorelblCaption);
    cheaterlbl.setup({1560, 0, 735, 255}, form1_texts::kCheaterlblCaption);
    cheaterlbl.hide();
    Label3.setup({2280, 0, 2295, 255}, form1_texts::kLabel3Caption);
    scoreover.setup({4560, 0, 1335, 255}, form1_texts::kScoreoverCaption);
    Label4.setup({6000, 0, 495, 255}, form1_texts::kLabel4Caption);
    lvllbl.setup({6480, 0, 975, 255}, form1_texts::kLvllblCaption);
    Label5.setup({7440, 0, 1215, 255}, form1_texts::kLabel5Caption);
    aantalw.setup({8640, 0, 1095, 255}, form1_texts::kAantalwCaption);
    Label6.setup({6000, 300, 315, 195}, form1_texts::kLabel6Caption);
    xplbl.setup({6480, 300, 495, 195}, form1_texts::kXplblCaption);
    Label7.setup({7440, 300, 735, 195}, form1_texts::kLabel7Caption);
    speedlbl.setup({8280, 300, 495, 255}, form1_texts::kSpeedlblCaption);
}

void Form1::layOutPlayingField() {
    goedlbl.setup({600, 720, 6735, 2955}, form1_texts::kGoedlblCaption, kPraiseFont,
                  ui::Align::Centre);
    goedlbl.setForeColour(ui::Colour::rgb(0, 192, 0));
    goedlbl.setHalo(true);  // green on grey alone does not read
    goedlbl.hide();
    gameover.setup({1260, 660, 5175, 3135}, form1_texts::kGameoverCaption, kGameOverFont,
                   ui::Align::Centre);
    gameover.setForeColour(ui::Colour::rgb(255, 0, 0));
    gameover.setHalo(true);
    gameover.hide();
    // The word starts right of the client area and moves in; it passes over the praise.
    lane.layOut({11000, 2040, 8000, 615}, form1_texts::kSnelCaption, 120, 6060);
}

void Form1::layOutInputAndButtons() {
    invoer.setup({3240, 4920, 4215, 435}, kTypingFont, ui::Align::Centre);
    Label1.setup({4080, 5520, 2715, 255}, form1_texts::kLabel1Caption, ui::kWindowFont,
                 ui::Align::Centre);
    Command1.setup({3240, 4080, 1095, 615}, form1_texts::kStartLevel + base::decimal(1));
    losecmd.setup(
        {4800, 4080, 1095, 615},
        form1_texts::kLivesBefore + base::decimal(rules::kStartLives) + form1_texts::kLivesAfter);
    losecmd.setEnabled(false);
    rstgame.setup({6360, 4080, 1095, 615}, form1_texts::kRstgameCaption);
    rstgame.setEnabled(false);
    Command3.setup({2640, 5460, 1215, 495}, form1_texts::kCommand3Caption);
    Command2.setup({6900, 5460, 1215, 495}, form1_texts::kCommand2Caption);
    Command4.setup({4740, 5760, 1215, 255}, form1_texts::kCommand4Caption);
    Command5.setup({540, 5280, 1455, 615}, form1_texts::kCommand5Caption);
}

void Form1::layOutListsAndTimers() {
    woordenlijst.setup({8280, 600, 1935, 5325});
    woordenlijst.hide();
    bonuslist.setup({5520, 600, 1935, 5325});
    bonuslist.hide();
    hiscorelist.setup({420, 600, 7695, 2940}, kHighscoreFont);
    hiscorelist.setToolTip(QStringLiteral("Dubbelklik om te verwijderen"));
    hiscorelist.hide();
    loadhi.setup({60, 4140, 855, 615}, ui::MultiLineTextBox::ScrollBars::None);
    loadhi.hide();

    // Lists, buttons and text boxes lie above the labels and the line.
    for (QWidget* windowed : std::initializer_list<QWidget*>{
             &invoer, &Command1, &losecmd, &rstgame, &Command3, &Command2, &Command4, &Command5,
             &woordenlijst, &bonuslist, &hiscorelist, &loadhi}) {
        windowed->raise();
    }

    goedtimer.setInterval(kFlashMs);
    goknipper.setInterval(kFlashMs);
}

// Controls without a caption of their own, or whose caption is only a number, are named
// by what they are for.
void Form1::nameForScreenReaders() {
    scorelbl.setPurpose("Score");
    scoreover.setPurpose("Score over voor huidige woord");
    lvllbl.setPurpose("Level");
    aantalw.setPurpose("Aantal woorden");
    xplbl.setPurpose("XP");
    speedlbl.setPurpose("Snelheid");
    snel.setPurpose("Woord");
    goedlbl.setPurpose("Melding");
    Line1.setAccessibleName(QStringLiteral("Finishlijn"));
    invoer.setAccessibleName(QStringLiteral("Typ hier het woord"));
    woordenlijst.setAccessibleName(QStringLiteral("Woordenlijst"));
    bonuslist.setAccessibleName(QStringLiteral("Bonuswoorden"));
    hiscorelist.setAccessibleName(QStringLiteral("Highscores"));
    loadhi.setAccessibleName(QStringLiteral("Highscorebestand"));
}

void Form1::setTabOrder() {
    QWidget* const order[] = {&invoer,   &Command1,     &losecmd,     &rstgame,
                              &Command2, &woordenlijst, &hiscorelist, &Command3,
                              &loadhi,   &Command4,     &bonuslist,   &Command5};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        QWidget::setTabOrder(order[i], order[i + 1]);
    }
}

// "About": one about window, beside the game and off its lane, brought to the front when
// it is open already; the keyboard stays with the game until the player turns to it.
void Form1::Command4_Click() {
    if (!aboutWindow) {
        aboutWindow = new frmAbout(ctx, this);
    }
    aboutWindow->showFormApart(*this, keptFree());
}

// "Switch naar onthoud modus".
void Form1::Command5_Click() {
    hide();
    if (!memoryWindow) {
        memoryWindow = std::make_unique<Form2>(ctx, woordenlijst.items(), *this);
    }
    memoryWindow->showForm();
}

void Form1::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the game, whatever other window is open.
    ctx.statistics->gameEnded(figures());
    event->accept();
    QCoreApplication::quit();
}

void Form1::TextFile2ListBox(const char* sFile, base::ListItems& oList) {
    app::TextFile2ListBox(sFile, oList, ctx.dialogs);
}
