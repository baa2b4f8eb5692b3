// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game.h"
#include "game/form1_texts.h"

#include <QtTest>

using testing::Game;

class CommandsTest : public QObject {
    Q_OBJECT
private slots:
    void speedCommandRaisesTheSpeedShownFromTheNextTick();
    void pauseStopsTheWordAndLimitsTheBox();
    void pauseWithNoLevelRunningStartsTheTimer();
    void commandsAreExactAndCaseSensitive_data();
    void commandsAreExactAndCaseSensitive();
    void debugShowsAndHidesTheWordList();
    void godModeGivesLivesAndTheCheaterMark();
    void godModeAnsweredNoStaysOn();
    void godModeAnsweredYesResets();
    void deleteEmptiesTheBoxWithAnyModifier_data();
    void deleteEmptiesTheBoxWithAnyModifier();
    void resetAfterGameOver();
    void resetLeavesWhatItDoesNotName();
};

namespace {

void showAndFocus(Game& game) {
    game->show();
    QApplication::setActiveWindow(&game.form());
    game->invoer.setFocus();
}

}  // namespace

void CommandsTest::speedCommandRaisesTheSpeedShownFromTheNextTick() {
    Game game;
    game.startWord(0);
    game.type("/speed");
    QCOMPARE(game->invoer.text(), std::string());
    game.type("/speed");
    QCOMPARE(game->speed, 30);
    QCOMPARE(game->speedlbl.caption(), std::string("10"));
    game->Timer1_Timer();
    QCOMPARE(game->speedlbl.caption(), std::string("30"));
    QCOMPARE(game->snel.left(), 11000 - 30);
}

void CommandsTest::pauseStopsTheWordAndLimitsTheBox() {
    Game game;
    showAndFocus(game);
    game.startWord(0);
    game->Timer1_Timer();
    QTest::keyClicks(&game->invoer, "/p");
    QVERIFY(!game->Timer1.enabled());
    QCOMPARE(game->invoer.maxLength(), 2);
    QCOMPARE(game->invoer.text(), std::string());
    QTest::keyClicks(&game->invoer, "/speed");
    QCOMPARE(game->invoer.text(), std::string("/s"));
    QCOMPARE(game->speed, 10);
    QTest::keyClick(&game->invoer, Qt::Key_Backspace);
    QTest::keyClicks(&game->invoer, "p");
    QVERIFY(game->Timer1.enabled());
    QCOMPARE(game->invoer.maxLength(), 0);
    QTest::keyClicks(&game->invoer, "/speed");
    QCOMPARE(game->speed, 20);
}

void CommandsTest::pauseWithNoLevelRunningStartsTheTimer() {
    Game game;
    game.type("/p");
    QVERIFY(game->Timer1.enabled());
    QCOMPARE(game->invoer.maxLength(), 0);
    // The label shows "test" and moves in; at the line it costs a life.
    QCOMPARE(game->snel.caption(), std::string("test"));
    QCOMPARE(game.tickUntilMissed(), 1088);
    QCOMPARE(game->lives, 4);
    QCOMPARE(game->losecmd.caption(), std::string("Nog 4 Levens"));
}

void CommandsTest::commandsAreExactAndCaseSensitive_data() {
    QTest::addColumn<QString>("typed");
    for (const char* text : {"/God", "/P", "/SPEED", "/debug ", " /p", "/p ", "/gods", "speed"}) {
        QTest::newRow(text) << QString::fromLatin1(text);
    }
}

void CommandsTest::commandsAreExactAndCaseSensitive() {
    QFETCH(QString, typed);
    Game game;
    game.startWord(0);
    game.type(typed.toStdString());
    QCOMPARE(QString::fromStdString(game->invoer.text()), typed);
    QVERIFY(game->Timer1.enabled());
    QCOMPARE(game->speed, 10);
    QCOMPARE(game->godMode, false);
    QVERIFY(game->woordenlijst.isHidden());
    QVERIFY(game.sandbox.dialogs.calls.empty());
}

void CommandsTest::debugShowsAndHidesTheWordList() {
    Game game;
    game.startWord(0);
    game.type("/debug");
    QVERIFY(!game->woordenlijst.isHidden());
    QCOMPARE(game->invoer.text(), std::string());
    QCOMPARE(game->woordenlijst.items().count(), 2);  // the drawn word is gone from it
    game.type("/debug");
    QVERIFY(game->woordenlijst.isHidden());
}

void CommandsTest::godModeGivesLivesAndTheCheaterMark() {
    Game game;
    game.startWord(0);
    game.type("/god");
    QVERIFY(game.sandbox.dialogs.calls.empty());
    QCOMPARE(game->godMode, true);
    QCOMPARE(game->lives, 9999);
    QCOMPARE(game->losecmd.caption(), std::string("Nog 9999 Levens"));
    QVERIFY(game->cheaterlbl.isHidden());  // shown from the next completed word
    const std::string before = game->scorelbl.caption();
    game.completeWord();
    QVERIFY(!game->cheaterlbl.isHidden());
    QVERIFY(game->scorelbl.caption() != before);  // the score still grows
    game.missWord();
    QCOMPARE(game->lives, 9998);
    QCOMPARE(game->losecmd.caption(), std::string("Nog 9998 Levens"));
}

void CommandsTest::godModeAnsweredNoStaysOn() {
    Game game;
    game.startWord(0);
    game.type("/god");
    game.sandbox.dialogs.answer(base::kNo);
    game.type("/god");
    QCOMPARE(game.sandbox.dialogs.calls.size(), 1u);
    QCOMPARE(game.sandbox.dialogs.calls[0].text,
             std::string("Je moet resetten om uit godmode te komen.\r\nNu Resetten?"));
    QCOMPARE(game.sandbox.dialogs.calls[0].style, 324);
    QCOMPARE(game.sandbox.dialogs.calls[0].title, std::string());
    QCOMPARE(game->godMode, true);
    QCOMPARE(game->lives, 9999);
    QVERIFY(game->Timer1.enabled());
    QCOMPARE(game->invoer.text(), std::string());
}

void CommandsTest::godModeAnsweredYesResets() {
    Game game;
    game.startWord(0);
    game->Timer1_Timer();
    game.type("/god");
    game.completeWord();
    game.sandbox.dialogs.answer(base::kYes);
    game.type("/god");
    QCOMPARE(game->godMode, false);
    QCOMPARE(game->lives, 5);
    QCOMPARE(game->scorelbl.caption(), std::string("0"));
    QCOMPARE(game->goedlbl.caption(), std::string("Reset!"));
    QCOMPARE(game->currentWord, std::string(form1_texts::kStartSentinel));
    // A reset does not stop Timer1: the word jumps back and moves on, never to be completed.
    QVERIFY(game->Timer1.enabled());
    QCOMPARE(game->snel.left(), 11000);
    QCOMPARE(game.tickUntilMissed(), 1088);
    QCOMPARE(game->lives, 4);
}

void CommandsTest::deleteEmptiesTheBoxWithAnyModifier_data() {
    QTest::addColumn<int>("modifiers");
    QTest::newRow("none") << int(Qt::NoModifier);
    QTest::newRow("Shift") << int(Qt::ShiftModifier);
    QTest::newRow("Ctrl") << int(Qt::ControlModifier);
    QTest::newRow("Alt") << int(Qt::AltModifier);
    QTest::newRow("Ctrl+Shift") << int(Qt::ControlModifier | Qt::ShiftModifier);
}

void CommandsTest::deleteEmptiesTheBoxWithAnyModifier() {
    QFETCH(int, modifiers);
    Game game;
    showAndFocus(game);
    QTest::keyClicks(&game->invoer, "halfgetypt");
    game->invoer.setCursorPosition(3);
    QTest::keyClick(&game->invoer, Qt::Key_Delete, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(game->invoer.text(), std::string());
}

void CommandsTest::resetAfterGameOver() {
    Game game;
    game->lives = 0;
    game.startWord(0);
    game.completeWord();
    game.missWord();
    QVERIFY(game->rstgame.isEnabled());
    game->woordenlijst.items().clear();
    game->rstgame_Click();
    QCOMPARE(game->level, 1);
    QCOMPARE(game->lvllbl.caption(), std::string("1"));
    QCOMPARE(game->scorelbl.caption(), std::string("0"));
    QCOMPARE(game->lives, 5);
    QCOMPARE(game->speed, 10);
    QCOMPARE(game->wordsInLevel, 0);
    QCOMPARE(game->scoreLeft, 1100);
    QCOMPARE(game->losecmd.caption(), std::string("Nog 5 Levens"));
    QCOMPARE(game->Command1.caption(), std::string("Start Level 1"));
    QVERIFY(game->Command1.isEnabled());
    QVERIFY(!game->rstgame.isEnabled());
    QVERIFY(game->gameover.isHidden());
    QVERIFY(!game->goknipper.enabled());
    QCOMPARE(game->goedlbl.caption(), std::string("Reset!"));
    QVERIFY(!game->goedlbl.isHidden());
    QVERIFY(game->goedtimer.enabled());
    QCOMPARE(game->currentWord, std::string(form1_texts::kStartSentinel));
    QCOMPARE(game->snel.left(), 11000);
    // Fresh lists from the files (the main file start-up wrote has its blank line).
    QCOMPARE(game.words(), (std::vector<std::string>{"", "hond", "kat", "vis"}));
    QCOMPARE(game->bonuslist.items().count(), 1);
    // "Start Level 1" starts a new game; "Game Over" stays gone.
    game.startWord(1);
    QVERIFY(game->Timer1.enabled());
    game->goknipper_Timer();  // a tick that was already on its way
    game->goknipper_Timer();
    game->rstgame_Click();
    QVERIFY(game->gameover.isHidden());
}

void CommandsTest::resetLeavesWhatItDoesNotName() {
    Game game;
    game.startWord(0);
    game->scorelbl.setCaption("24000");
    game->scoreLeft = 1000;
    game.completeWord();  // the bonus level starts: nextBonusAt 50000
    game.missWord();      // the bonus word: no life lost
    game.startWord(0);
    game.completeWord();
    game.type("/debug");
    game.type("/p");  // paused: Timer1 stopped, the box limited
    game->setBackColour(ui::Colour::rgb(9, 9, 9));
    game->cheaterlbl.show();
    game->playerName = "Jan";
    game->hiscorelist.items().addItem("100, Jan");
    const std::string xp = game->xplbl.caption();
    const std::string points = game->scoreover.caption();
    const std::string shownSpeed = game->speedlbl.caption();
    game->savedSpeed = 77;
    game->bonusActive = true;
    game->losecmd.setEnabled(true);

    game->rstgame_Click();

    QCOMPARE(game->nextBonusAt, 50000);
    QCOMPARE(game->bonusActive, true);
    QCOMPARE(game->savedSpeed, 77);
    QVERIFY(!game->Timer1.enabled());
    QCOMPARE(game->xplbl.caption(), xp);
    QCOMPARE(game->scoreover.caption(), points);
    QCOMPARE(game->speedlbl.caption(), shownSpeed);
    QCOMPARE(game->aantalw.caption(), std::string("3"));
    QVERIFY(!game->cheaterlbl.isHidden());
    QCOMPARE(game->backColour(), ui::Colour::rgb(9, 9, 9));
    QCOMPARE(game->invoer.maxLength(), 2);
    QVERIFY(!game->woordenlijst.isHidden());
    QVERIFY(game->losecmd.isEnabled());
    QCOMPARE(game->playerName, std::string("Jan"));
    QCOMPARE(game->hiscorelist.items().count(), 1);

    // The stale word count shows 1 after the next completed word; the cheater mark goes.
    game->bonusActive = false;
    game.startWord(0);
    game.completeWord();
    QCOMPARE(game->xplbl.caption(), std::string("1"));
    QVERIFY(game->cheaterlbl.isHidden());
}

QTEST_MAIN(CommandsTest)
#include "tst_commands.moc"
