// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game.h"
#include "game/form1_texts.h"

#include <QtTest>

using testing::Game;

class LevelsTest : public QObject {
    Q_OBJECT
private slots:
    void completedWordAddsItsPointsAndBringsTheNext();
    void praiseFollowsThePoints_data();
    void praiseFollowsThePoints();
    void praiseShowsForOneFlashPeriod();
    void tenthWordEndsTheLevel();
    void sixMissesEndTheGame();
    void missedWordCannotBeCompletedAndStaysAtTheLine();
    void gameOverBlinks();
    void missedBonusWordCostsNoLifeAndNoTickRunsMeanwhile();
    void aWholeLevelTypedIntoTheBox();
    void scoresStayPlainDecimal_data();
    void scoresStayPlainDecimal();
    void tenthWordCannotBeTypedAgainBetweenLevels();
    void gameOverStaysOver();
};

void LevelsTest::completedWordAddsItsPointsAndBringsTheNext() {
    Game game;
    game.startWord(1);
    for (int i = 0; i < 100; ++i) {
        game->Timer1_Timer();
    }
    QCOMPARE(game->scoreLeft, 1000);
    game.sandbox.random.script({0.0f});
    game.completeWord();
    QCOMPARE(game->scorelbl.caption(), std::string("1000"));
    QCOMPARE(game->xplbl.caption(), std::string("1"));
    QCOMPARE(game->wordsInLevel, 1);
    QCOMPARE(game->scoreLeft, 1100);
    QCOMPARE(game->invoer.text(), std::string());
    // The next word runs at once, from the start.
    QCOMPARE(game->currentWord, std::string("hond"));
    QCOMPARE(game->snel.caption(), std::string("hond"));
    QCOMPARE(game->snel.left(), 11000);
    QVERIFY(game->Timer1.enabled());
    // The points shown stay until the next tick.
    QCOMPARE(game->scoreover.caption(), std::string("1000"));
    game->Timer1_Timer();
    QCOMPARE(game->scoreover.caption(), std::string("1099"));
    // Scores add up as whole numbers written as text.
    game->scorelbl.setCaption("24500");
    game.completeWord();
    QCOMPARE(game->scorelbl.caption(), std::string("25599"));
}

void LevelsTest::praiseFollowsThePoints_data() {
    QTest::addColumn<int>("points");
    QTest::addColumn<QString>("praise");
    QTest::newRow("1100") << 1100 << "ZIEKELIJK! ";
    QTest::newRow("1000") << 1000 << "ZIEKELIJK! ";
    QTest::newRow("999") << 999 << "!WOW! ";
    QTest::newRow("850") << 850 << "Snel! ";
    QTest::newRow("700") << 700 << "w00t! ";
    QTest::newRow("699") << 699 << "Goedzo! ";
    QTest::newRow("500") << 500 << "Yay! ";
    QTest::newRow("400") << 400 << "Jeej! ";
    QTest::newRow("399") << 399 << "Gehaald! ";
    QTest::newRow("200") << 200 << "Woei! ";
    QTest::newRow("100") << 100 << "Yes! ";
    QTest::newRow("99") << 99 << "Net! ";
    QTest::newRow("1") << 1 << "Net! ";
    QTest::newRow("0") << 0 << "Jammer! ";
}

void LevelsTest::praiseFollowsThePoints() {
    QFETCH(int, points);
    QFETCH(QString, praise);
    Game game;
    game.startWord(1);
    game->scoreLeft = static_cast<std::int16_t>(points);
    game.completeWord();
    QCOMPARE(QString::fromStdString(game->goedlbl.caption()),
             praise + "\r\n" + QString::number(points));
    QCOMPARE(game->scorelbl.caption(), std::to_string(points));
}

void LevelsTest::praiseShowsForOneFlashPeriod() {
    Game game;
    game.startWord(1);
    game.completeWord();
    QVERIFY(!game->goedlbl.isHidden());
    QVERIFY(game->goedtimer.enabled());
    game->goedtimer_Timer();
    QVERIFY(game->goedlbl.isHidden());
    QVERIFY(!game->goedtimer.enabled());
}

void LevelsTest::tenthWordEndsTheLevel() {
    Game game;
    game.startWord(0);
    for (int word = 1; word < 10; ++word) {
        game.completeWord();
    }
    QCOMPARE(game->xplbl.caption(), std::string("9"));
    QVERIFY(game.sandbox.dialogs.calls.empty());
    game->goedtimer_Timer();
    game->Timer1_Timer();
    game.completeWord();
    QCOMPARE(game.sandbox.dialogs.calls.size(), 1u);
    QCOMPARE(game.sandbox.dialogs.calls[0].text,
             std::string("Gefeliciteerd! Je hebt level 2 Gehaald!"));
    QCOMPARE(game.sandbox.dialogs.calls[0].style, 48);
    QCOMPARE(game->Command1.caption(), std::string("Start Level 2"));
    QVERIFY(game->Command1.isEnabled());
    QVERIFY(!game->Timer1.enabled());
    QCOMPARE(game->speed, 15);
    QCOMPARE(game->level, 2);
    QCOMPARE(game->lvllbl.caption(), std::string("2"));
    QCOMPARE(game->xplbl.caption(), std::string("0"));
    QCOMPARE(game->wordsInLevel, 0);
    QCOMPARE(game->scorelbl.caption(), std::string("10999"));
    QCOMPARE(game->snel.caption(), std::string());
    QCOMPARE(game->snel.left(), 11000);
    // No praise for the tenth word, and the next word waits for the button.
    QVERIFY(game->goedlbl.isHidden());
    QVERIFY(!game->goedtimer.enabled());
    game.startWord(0);
    QVERIFY(game->Timer1.enabled());
    game->Timer1_Timer();
    QCOMPARE(game->speedlbl.caption(), std::string("15"));
}

void LevelsTest::sixMissesEndTheGame() {
    Game game;
    game.startWord(0);
    for (int lives = 4; lives >= 0; --lives) {
        game.missWord();
        QCOMPARE(game->lives, lives);
        QCOMPARE(game->losecmd.caption(), "Nog " + std::to_string(lives) + " Levens");
        QVERIFY(game->losecmd.isEnabled());
        QVERIFY(!game->Command1.isEnabled());
        QVERIFY(!game->rstgame.isEnabled());
        QCOMPARE(game->goedlbl.caption(), std::string("Shit!"));
        game->losecmd_Click();
        QVERIFY(!game->losecmd.isEnabled());
        QVERIFY(game->Timer1.enabled());
        QCOMPARE(game->snel.left(), 11000);
    }
    game.missWord();
    QCOMPARE(game->lives, -1);
    QVERIFY(!game->gameover.isHidden());
    QVERIFY(!game->losecmd.isEnabled());
    QVERIFY(!game->Command1.isEnabled());
    QVERIFY(game->rstgame.isEnabled());
    QVERIFY(game->goknipper.enabled());
    QCOMPARE(game->losecmd.caption(), std::string("Nog 0 Levens"));
    // "Shit!" also for the last miss, for one period.
    QCOMPARE(game->goedlbl.caption(), std::string("Shit!"));
    QVERIFY(!game->goedlbl.isHidden());
    game->goedtimer_Timer();
    QVERIFY(game->goedlbl.isHidden());
}

void LevelsTest::missedWordCannotBeCompletedAndStaysAtTheLine() {
    Game game;
    game.startWord(1);
    const std::string missed = game->currentWord;
    game.missWord();
    QCOMPARE(game->currentWord, std::string("tqa903318k2207vd4"));
    const int at = game->snel.left();
    game.type(missed);
    QCOMPARE(game->scorelbl.caption(), std::string("0"));
    QCOMPARE(game->snel.caption(), missed);
    QCOMPARE(game->snel.left(), at);
    QCOMPARE(game->scoreLeft, 1100);
    game->losecmd_Click();
    QCOMPARE(game->invoer.text(), std::string());
    QVERIFY(game->currentWord != missed);
}

void LevelsTest::gameOverBlinks() {
    Game game;
    game->lives = 0;
    game.startWord(0);
    game.missWord();
    QVERIFY(!game->gameover.isHidden());
    game->goknipper_Timer();
    QVERIFY(game->gameover.isHidden());
    game->goknipper_Timer();
    QVERIFY(!game->gameover.isHidden());
}

void LevelsTest::missedBonusWordCostsNoLifeAndNoTickRunsMeanwhile() {
    Game game;
    game->bonusActive = true;
    game->savedSpeed = 25;
    game->speed = 20;
    game.startWord(0);
    QCOMPARE(game->currentWord, std::string("bonuswoord"));
    game->setBackColour(ui::Colour::rgb(1, 2, 3));
    game->Label3.setBackColour(ui::Colour::rgb(1, 2, 3));
    bool timerStoppedDuringMessage = false;
    game.sandbox.dialogs.whileNextBoxOpen(
        [&] { timerStoppedDuringMessage = !game->Timer1.enabled(); });
    game.missWord();
    QVERIFY(timerStoppedDuringMessage);
    QCOMPARE(game.sandbox.dialogs.calls.at(0).text,
             std::string("Jammer zeg! geen bonuspunten en snelheidsverlaging voor u. (Normale "
                         "snelheid wordt nu weer toegepast)"));
    QCOMPARE(game.sandbox.dialogs.calls.at(0).style, 48);
    QCOMPARE(game->lives, 5);
    QCOMPARE(game->speed, 25);
    QCOMPARE(game->bonusActive, false);
    QCOMPARE(game->backColour(), ui::kButtonFace);
    QCOMPARE(game->Label3.backColour(), ui::kButtonFace);
    QCOMPARE(game->snel.foreColour(), ui::kBlack);
    QCOMPARE(game->losecmd.caption(), std::string("Nog 5 Levens"));
    game.sandbox.random.script({0.0f});
    game->losecmd_Click();
    QCOMPARE(game->currentWord, std::string("hond"));  // from the main list again
}

void LevelsTest::aWholeLevelTypedIntoTheBox() {
    Game game({"aap", "boom", "citroen", "dak", "ezel", "fiets", "gras", "huis", "ijs", "jas"});
    game->show();
    QApplication::setActiveWindow(&game.form());
    QVERIFY(QTest::qWaitForWindowActive(&game.form()));
    game.startWord(0);
    for (int word = 0; word < 10; ++word) {
        const std::string running = game->currentWord;
        QVERIFY(game->Timer1.enabled());
        game->Timer1_Timer();
        QTest::keyClicks(&game->invoer, QString::fromStdString(running));
        if (word < 9) {
            QVERIFY2(game->currentWord != running, running.c_str());
            QCOMPARE(game->xplbl.caption(), std::to_string(word + 1));
        }
    }
    QCOMPARE(game.sandbox.dialogs.calls.size(), 1u);
    QCOMPARE(game.sandbox.dialogs.calls[0].text,
             std::string("Gefeliciteerd! Je hebt level 2 Gehaald!"));
    QCOMPARE(game->scorelbl.caption(), std::to_string(10 * 1099));
    QCOMPARE(game->Command1.caption(), std::string("Start Level 2"));
}

void LevelsTest::scoresStayPlainDecimal_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("100000") << "98900"
                            << "100000";
    QTest::newRow("1000000") << "998900"
                             << "1000000";
}

void LevelsTest::scoresStayPlainDecimal() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    Game game;
    game->nextBonusAt = 2000000000;
    game.startWord(0);
    game->scorelbl.setCaption(before.toStdString());
    game.completeWord();
    QCOMPARE(QString::fromStdString(game->scorelbl.caption()), after);
    game.sandbox.dialogs.answerInput({"Jan"});
    game->Command3_Click();
    QCOMPARE(std::string(game->hiscorelist.items().item(0)), after.toStdString() + ", Jan");
}

void LevelsTest::tenthWordCannotBeTypedAgainBetweenLevels() {
    Game game;
    game.startWord(0);
    for (int word = 1; word < 10; ++word) {
        game.completeWord();
    }
    const std::string tenth = game->currentWord;
    game.completeWord();
    const std::string score = game->scorelbl.caption();
    game.type(tenth);
    QCOMPARE(game->scorelbl.caption(), score);
    QVERIFY(!game->Timer1.enabled());
    QVERIFY(game->Command1.isEnabled());
    QCOMPARE(game->wordsInLevel, 0);
}

void LevelsTest::gameOverStaysOver() {
    Game game;
    game->lives = 0;
    game.startWord(0);
    game.missWord();
    QCOMPARE(game->lives, -1);
    const std::string offered = game->losecmd.caption();
    // "/p" runs the word on after the game is over; its miss is game over once more.
    game.type("/p");
    QVERIFY(game->Timer1.enabled());
    game.missWord();
    QCOMPARE(game->lives, -1);
    QCOMPARE(game->losecmd.caption(), offered);
    QVERIFY(!game->losecmd.isEnabled());
    QVERIFY(!game->Command1.isEnabled());
    QVERIFY(game->rstgame.isEnabled());
    QVERIFY(!game->gameover.isHidden());
    QVERIFY(game->goknipper.enabled());
    game->rstgame_Click();
    QCOMPARE(game->lives, 5);
    QVERIFY(game->Command1.isEnabled());
}

QTEST_MAIN(LevelsTest)
#include "tst_levels.moc"
