// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game.h"
#include "game/form1_texts.h"

#include <QtTest>

using testing::Game;

class BonusTest : public QObject {
    Q_OBJECT
private slots:
    void reachingTheThresholdStartsABonusLevel_data();
    void reachingTheThresholdStartsABonusLevel();
    void tenthWordDefersTheBonusToTheNextLevel();
    void speedsThroughABonusLevel_data();
    void speedsThroughABonusLevel();
    void bonusWordLeavesTheLevelCountAlone();
    void speedCommandDuringTheBonusWordIsLost();
    void everyTickFlashesTheWindowAndTheWord();
    void coloursComeBackAfterAWinAndAfterAMiss();
    void missedBonusWordCostsNoLife();
    void speedBeyondSavedSpeedEndsTheGameWithItsName();
    void bonusListWithoutAWordDoesNotHoldTheGame_data();
    void bonusListWithoutAWordDoesNotHoldTheGame();
};

namespace {

// Completes a word worth `points` with the score first set to `score`.
void completeWithScore(Game& game, const char* score, int points) {
    game->scorelbl.setCaption(score);
    game->scoreLeft = static_cast<std::int16_t>(points);
    game.completeWord();
}

const ui::Colour kButtonFace = ui::kButtonFace;

}  // namespace

void BonusTest::reachingTheThresholdStartsABonusLevel_data() {
    QTest::addColumn<QString>("score");
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("starts");
    QTest::newRow("24499 + 500") << "24499" << 500 << false;
    QTest::newRow("24500 + 500 = 25000") << "24500" << 500 << true;
    QTest::newRow("24300 + 1100 = 25400") << "24300" << 1100 << true;
}

void BonusTest::reachingTheThresholdStartsABonusLevel() {
    QFETCH(QString, score);
    QFETCH(int, points);
    QFETCH(bool, starts);
    Game game;
    game->speed = 20;
    game.startWord(0);
    completeWithScore(game, score.toLatin1().constData(), points);
    QCOMPARE(game->bonusActive, starts);
    if (!starts) {
        QCOMPARE(game->nextBonusAt, 25000);
        QVERIFY(game.sandbox.dialogs.calls.empty());
        return;
    }
    QCOMPARE(game->nextBonusAt, 50000);
    QCOMPARE(game.sandbox.dialogs.calls.size(), 1u);
    QCOMPARE(game.sandbox.dialogs.calls[0].text,
             std::string("U heeft een bonuslevel verdient! (Als u last heeft van epilepsie dan "
                         "moet u het nu meteen afsluiten)\r\nDit zijn iets moeilijkere woorden "
                         "dan normaal, MAAR de snelheid wordt wel verlaagd met 5"));
    QCOMPARE(game.sandbox.dialogs.calls[0].style, 48);
    QCOMPARE(game->savedSpeed, 20);
    QCOMPARE(game->speed, 15);
    // The next word is the bonus word, already running.
    QCOMPARE(game->currentWord, std::string("bonuswoord"));
    QVERIFY(game->Timer1.enabled());
}

void BonusTest::tenthWordDefersTheBonusToTheNextLevel() {
    Game game;
    game.startWord(0);
    game->wordsInLevel = 9;
    completeWithScore(game, "24500", 1000);
    QCOMPARE(game->scorelbl.caption(), std::string("25500"));
    QCOMPARE(game->bonusActive, false);
    QCOMPARE(game->nextBonusAt, 25000);
    QCOMPARE(game->level, 2);
    game.startWord(0);
    game.completeWord();
    QCOMPARE(game->bonusActive, true);
    QCOMPARE(game->nextBonusAt, 50000);
}

void BonusTest::speedsThroughABonusLevel_data() {
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("during");
    QTest::addColumn<int>("won");
    QTest::addColumn<int>("missed");
    QTest::newRow("20") << 20 << 15 << 13 << 20;
    QTest::newRow("25") << 25 << 20 << 17 << 25;
    QTest::newRow("30") << 30 << 25 << 20 << 30;
    QTest::newRow("35") << 35 << 30 << 23 << 35;
}

void BonusTest::speedsThroughABonusLevel() {
    QFETCH(int, speed);
    QFETCH(int, during);
    QFETCH(int, won);
    QFETCH(int, missed);
    for (const bool win : {true, false}) {
        Game game;
        game->speed = speed;
        game.startWord(0);
        completeWithScore(game, "24000", 1000);
        QCOMPARE(game->speed, during);
        if (win) {
            game.completeWord();
            QCOMPARE(game->speed, won);
            QCOMPARE(game.sandbox.dialogs.calls.back().text,
                     std::string("Je hebt de bonus gewonnen! w00t! jij krijgt een "
                                 "snelheidsverlaging (minder dan de normale snelheid)"));
            QCOMPARE(game.sandbox.dialogs.calls.back().style, 48);
        } else {
            game.missWord();
            QCOMPARE(game->speed, missed);
        }
        QCOMPARE(game->bonusActive, false);
    }
}

void BonusTest::bonusWordLeavesTheLevelCountAlone() {
    Game game;
    game.startWord(0);
    game->wordsInLevel = 4;
    completeWithScore(game, "24500", 600);
    QCOMPARE(game->xplbl.caption(), std::string("5"));
    game.completeWord();  // the bonus word
    QCOMPARE(game->wordsInLevel, 5);
    QCOMPARE(game->xplbl.caption(), std::string("5"));
    // Praised like any word, then the next word comes from the main list.
    QVERIFY(game->goedlbl.caption().find("\r\n") != std::string::npos);
    QVERIFY(game->currentWord != "bonuswoord");
    QVERIFY(game->Timer1.enabled());
}

void BonusTest::speedCommandDuringTheBonusWordIsLost() {
    for (const bool win : {true, false}) {
        Game game;
        game->speed = 30;
        game.startWord(0);
        completeWithScore(game, "24000", 1000);
        game.type("/speed");
        QCOMPARE(game->speed, 35);
        win ? game.completeWord() : game.missWord();
        QCOMPARE(game->speed, win ? 20 : 30);
    }
}

void BonusTest::everyTickFlashesTheWindowAndTheWord() {
    Game game;
    game.startWord(0);
    completeWithScore(game, "24000", 1000);
    game.sandbox.random.script({0.0f, 0.5f, 1.0f - 1e-7f, 0.25f, 0.75f, 0.002f});
    game->Timer1_Timer();
    // 0.5 * 255 = 127.5 goes to the even 128; 0.25 * 255 = 63.75 to 64.
    QCOMPARE(game->snel.foreColour(), ui::Colour::rgb(0, 128, 255));
    QCOMPARE(game->backColour(), ui::Colour::rgb(64, 191, 1));
    for (ui::Label* label : {&game->Label1, &game->Label7, &game->scorelbl, &game->cheaterlbl,
                             &game->aantalw, &game->speedlbl}) {
        QCOMPARE(label->backColour(), ui::Colour::rgb(64, 191, 1));
    }
    QCOMPARE(game->goedlbl.backColour(), kButtonFace);
    QCOMPARE(game->gameover.backColour(), kButtonFace);
}

void BonusTest::coloursComeBackAfterAWinAndAfterAMiss() {
    for (const bool win : {true, false}) {
        Game game;
        game.startWord(0);
        completeWithScore(game, "24000", 1000);
        game.sandbox.random.fallback = 0.3f;
        for (int i = 0; i < 5; ++i) {
            game->Timer1_Timer();
        }
        QVERIFY(game->backColour() != kButtonFace);
        win ? game.completeWord() : game.missWord();
        QCOMPARE(game->backColour(), kButtonFace);
        QCOMPARE(game->snel.foreColour(), ui::kBlack);
        for (ui::Label* label : {&game->Label1, &game->Label2, &game->lvllbl, &game->scoreover}) {
            QCOMPARE(label->backColour(), kButtonFace);
        }
    }
}

void BonusTest::missedBonusWordCostsNoLife() {
    Game game;
    game.startWord(0);
    completeWithScore(game, "24000", 1000);
    game.missWord();
    QCOMPARE(game->lives, 5);
    QCOMPARE(game->losecmd.caption(), std::string("Nog 5 Levens"));
    QVERIFY(game->losecmd.isEnabled());
    game.sandbox.random.script({0.0f});
    game->losecmd_Click();
    QVERIFY(game->currentWord != "bonuswoord");
    QCOMPARE(game->bonusActive, false);
}

void BonusTest::speedBeyondSavedSpeedEndsTheGameWithItsName() {
    Game game;
    game->show();
    game.startWord(0);
    game->speed = 32768;  // as after thousands of "/speed"
    game->scorelbl.setCaption("24000");
    const std::string highscores = game.sandbox.readFile(game.sandbox.inProgram("highscores.txt"));
    const std::string words = game.sandbox.readFile(game.sandbox.inProgram("woordenlijst.txt"));
    // Typed for real: the failure reaches the guard of the typing box.
    game->invoer.setFocus();
    QTest::keyClicks(&game->invoer, QString::fromStdString(game->currentWord));
    QCOMPARE(game.sandbox.ends, std::vector<int>{1});
    QCOMPARE(game.sandbox.dialogs.calls.size(), 1u);
    QCOMPARE(game.sandbox.dialogs.calls[0].style, 16);
    QVERIFY2(game.sandbox.dialogs.calls[0].text.find("overloop") != std::string::npos &&
                 game.sandbox.dialogs.calls[0].text.find("savedSpeed") != std::string::npos,
             game.sandbox.dialogs.calls[0].text.c_str());
    QCOMPARE(game.sandbox.readFile(game.sandbox.inProgram("highscores.txt")), highscores);
    QCOMPARE(game.sandbox.readFile(game.sandbox.inProgram("woordenlijst.txt")), words);
}

void BonusTest::bonusListWithoutAWordDoesNotHoldTheGame_data() {
    QTest::addColumn<QString>("bonusFile");
    QTest::newRow("empty") << "";
    QTest::newRow("blank lines") << "\r\n\r\n\r\n";
}

void BonusTest::bonusListWithoutAWordDoesNotHoldTheGame() {
    QFETCH(QString, bonusFile);
    Game game({"kat", "hond", "vis"}, {});
    game.sandbox.writeFile(game.sandbox.inWork("bonuslijst.txt"), bonusFile.toStdString());
    game->bonuslist.items().clear();
    game->speed = 20;
    game.startWord(0);
    const std::string completed = game->currentWord;
    completeWithScore(game, "24000", 1000);
    // Told once, after the bonus message; then the game goes on with the main list.
    QCOMPARE(game.sandbox.dialogs.calls.size(), 2u);
    QCOMPARE(game.sandbox.dialogs.calls[1].text,
             std::string("bonuslijst.txt bevat geen enkel woord. Zet er woorden in, \xE9\xE9n "
                         "per regel, en probeer het opnieuw."));
    QCOMPARE(game->bonusActive, false);
    QCOMPARE(game->speed, 20);
    QCOMPARE(game->nextBonusAt, 50000);
    QVERIFY(game->Timer1.enabled());
    QVERIFY(game->currentWord != completed);
    QCOMPARE(game->snel.caption(), game->currentWord);
    // The completed word earns nothing again, and the next word plays as any other.
    game.type(completed);
    QCOMPARE(game->scorelbl.caption(), std::string("25000"));
    game.completeWord();
    QCOMPARE(game->wordsInLevel, 2);
    QCOMPARE(game.sandbox.dialogs.calls.size(), 2u);
}

QTEST_MAIN(BonusTest)
#include "tst_bonus.moc"
