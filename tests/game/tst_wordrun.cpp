// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game.h"
#include "game/form1_texts.h"

#include <QtTest>

using testing::Game;

class WordRunTest : public QObject {
    Q_OBJECT
private slots:
    void startLevelShowsTheWordAndStartsTheTimer();
    void pointsCountDownByRounding_data();
    void pointsCountDownByRounding();
    void pointsStopAtZero();
    void wordIsMissedOnTheLine_data();
    void wordIsMissedOnTheLine();
    void drawsWithoutRepeatsThenRefills();
    void drawPastTheEndOrOnABlankDrawsAgain();
    void listOfOnlyBlankEntriesIsRefilledNotDrawnForever();
    void fileWithoutAnyWordStopsTheLevelStartWithAMessage();
    void drawWithoutAWordLeavesNothingToComplete();
    void largeListsDrawBeyondTheIntegerRange();
    void matchIsExact();
    void matchDoesNotNeedTheTimer();
    void characterWithoutCodeNeverCompletes();
};

void WordRunTest::startLevelShowsTheWordAndStartsTheTimer() {
    Game game;
    game.startWord(1);  // kat hond vis, sorted: hond kat vis
    QCOMPARE(game->currentWord, std::string("kat"));
    QCOMPARE(game->wordIndex, 1);
    QCOMPARE(game->snel.caption(), std::string("kat"));
    QCOMPARE(game->snel.left(), 11000);
    QVERIFY(game->Timer1.enabled());
    QVERIFY(!game->Command1.isEnabled());
    QCOMPARE(game.words(), (std::vector<std::string>{"hond", "vis"}));
    QVERIFY(game.sandbox.random.reseeds >= 2);
}

void WordRunTest::pointsCountDownByRounding_data() {
    QTest::addColumn<int>("speed");
    QTest::addColumn<QList<int>>("points");
    QTest::newRow("5") << 5 << QList<int>{1100, 1100, 1100};
    QTest::newRow("10") << 10 << QList<int>{1099, 1098, 1097};
    QTest::newRow("15") << 15 << QList<int>{1098, 1096, 1094};
    QTest::newRow("20") << 20 << QList<int>{1098, 1096, 1094};
    QTest::newRow("25") << 25 << QList<int>{1098, 1096, 1094};
    QTest::newRow("30") << 30 << QList<int>{1097, 1094, 1091};
    QTest::newRow("35") << 35 << QList<int>{1096, 1092, 1088};
}

void WordRunTest::pointsCountDownByRounding() {
    QFETCH(int, speed);
    QFETCH(QList<int>, points);
    Game game;
    game->speed = speed;
    game.startWord();
    for (const int expected : points) {
        game->Timer1_Timer();
        QCOMPARE(game->scoreLeft, expected);
        QCOMPARE(game->scoreover.caption(), std::to_string(expected));
        QCOMPARE(game->speedlbl.caption(), std::to_string(speed));
    }
    QCOMPARE(game->snel.left(), 11000 - 3 * speed);
}

void WordRunTest::pointsStopAtZero() {
    Game game;
    game.startWord();
    game->speed = 35;
    game->scoreLeft = 3;
    game->Timer1_Timer();
    QCOMPARE(game->scoreLeft, 0);
    game->Timer1_Timer();
    QCOMPARE(game->scoreLeft, 0);
    QCOMPARE(game->scoreover.caption(), std::string("0"));
}

void WordRunTest::wordIsMissedOnTheLine_data() {
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("missedOnTick");
    QTest::addColumn<int>("pointsLeft");
    // 11000 - 1088 * 10 = 120: exactly on the line. 11000 - 725 * 15 = 125, then 110.
    QTest::newRow("speed 10, on the line") << 10 << 1088 << 12;
    QTest::newRow("speed 15, past the line") << 15 << 726 << 0;
}

void WordRunTest::wordIsMissedOnTheLine() {
    QFETCH(int, speed);
    QFETCH(int, missedOnTick);
    QFETCH(int, pointsLeft);
    Game game;
    game->speed = speed;
    game.startWord();
    for (int tick = 1; tick < missedOnTick; ++tick) {
        game->Timer1_Timer();
    }
    QVERIFY(game->Timer1.enabled());
    QVERIFY(game->snel.left() > 120);
    QCOMPARE(game->lives, 5);
    game->Timer1_Timer();
    QVERIFY(!game->Timer1.enabled());
    QVERIFY(game->snel.left() <= 120);
    QCOMPARE(game->lives, 4);
    QCOMPARE(game->scoreover.caption(), std::to_string(pointsLeft));
    QCOMPARE(game->scoreLeft, 1100);
}

void WordRunTest::drawsWithoutRepeatsThenRefills() {
    Game game;
    std::vector<std::string> drawn;
    for (int i = 0; i < 3; ++i) {
        game.startWord(0);
        drawn.push_back(game->currentWord);
    }
    QCOMPARE(drawn, (std::vector<std::string>{"hond", "kat", "vis"}));
    // Run empty, the list came back from the file start-up wrote, blank line and all.
    QCOMPARE(game.words(), (std::vector<std::string>{"", "hond", "kat", "vis"}));
    game.startWord(2);
    QCOMPARE(game->currentWord, std::string("kat"));
}

void WordRunTest::drawPastTheEndOrOnABlankDrawsAgain() {
    Game game;
    game->woordenlijst.items().addItem("");
    QCOMPARE(game.words(), (std::vector<std::string>{"", "hond", "kat", "vis"}));
    // One past the end (4 of 4), then the blank entry at 0, then "kat" at 2.
    game.sandbox.random.script({0.99f, 0.0f, 0.5f});
    game->Command1_Click();
    QCOMPARE(game->currentWord, std::string("kat"));
    QCOMPARE(game.sandbox.random.drawn, 3);
    QCOMPARE(game.words(), (std::vector<std::string>{"", "hond", "vis"}));
}

void WordRunTest::listOfOnlyBlankEntriesIsRefilledNotDrawnForever() {
    Game game({"kat"});
    game->woordenlijst.items().clear();
    game->woordenlijst.items().addItem("");
    // Holding no word, the list is filled again from its file: blank, kat.
    game.sandbox.random.script({0.5f});
    game->Command1_Click();
    QCOMPARE(game->currentWord, std::string("kat"));
    QVERIFY(game->Timer1.enabled());
    QCOMPARE(game.words(), std::vector<std::string>{""});
    QVERIFY(game.sandbox.dialogs.calls.empty());
}

void WordRunTest::fileWithoutAnyWordStopsTheLevelStartWithAMessage() {
    Game game({"kat"});
    const QString file = game.sandbox.inWork("woordenlijst.txt");
    game.sandbox.writeFile(file, "\r\n\r\n");
    game->woordenlijst.items().clear();
    game->woordenlijst.items().addItem("");
    game->Command1_Click();
    QVERIFY(!game->Timer1.enabled());
    QVERIFY(game->Command1.isEnabled());
    QCOMPARE(game.sandbox.dialogs.calls.size(), 1u);
    QCOMPARE(game.sandbox.dialogs.calls[0].text,
             std::string("woordenlijst.txt bevat geen enkel woord. Zet er woorden in, "
                         "\xE9\xE9n per regel, en probeer het opnieuw."));
    QCOMPARE(game.sandbox.dialogs.calls[0].style, 48);
    QCOMPARE(game.sandbox.readFile(file), std::string("\r\n\r\n"));
    QCOMPARE(game->currentWord, std::string(form1_texts::kStartSentinel));
}

void WordRunTest::drawWithoutAWordLeavesNothingToComplete() {
    Game game({"kat", "hond"});
    game.startWord(0);
    const std::string completed = game->currentWord;
    game.sandbox.writeFile(game.sandbox.inWork("woordenlijst.txt"), "\r\n");
    game->woordenlijst.items().clear();
    game.completeWord();
    QVERIFY(!game->Timer1.enabled());
    QVERIFY(game->Command1.isEnabled());
    QCOMPARE(game->currentWord, std::string(form1_texts::kStartSentinel));
    game.type(completed);
    QCOMPARE(game->scorelbl.caption(), std::string("1100"));
}

void WordRunTest::largeListsDrawBeyondTheIntegerRange() {
    std::vector<std::string> words;
    for (int i = 0; i < 40000; ++i) {
        words.push_back("w" + std::to_string(100000 + i));
    }
    Game game(words);
    game.sandbox.random.script({0.99f});
    game->Command1_Click();
    QCOMPARE(game->wordIndex, 39600);
    QCOMPARE(game->currentWord, std::string("w139600"));
    QCOMPARE(game->woordenlijst.items().count(), 39999);
}

void WordRunTest::matchIsExact() {
    Game game;
    game.startWord(1);  // kat
    for (const char* near : {"KAT", "Kat", "kat ", " kat", "ka"}) {
        game.type(near);
        QVERIFY2(game->Timer1.enabled(), near);
        QCOMPARE(game->scorelbl.caption(), std::string("0"));
    }
    game.type("kat");
    QCOMPARE(game->scorelbl.caption(), std::string("1100"));
    QCOMPARE(game->invoer.text(), std::string());
}

void WordRunTest::matchDoesNotNeedTheTimer() {
    Game game;
    game.startWord(1);
    game->Timer1.setEnabled(false);
    game.type("kat");
    QCOMPARE(game->scorelbl.caption(), std::string("1100"));
    // Before any level the sentinel stands in the word: nothing typed completes it.
    Game idle;
    idle.type("kat");
    idle.type("");
    QCOMPARE(idle->scorelbl.caption(), std::string("0"));
}

void WordRunTest::characterWithoutCodeNeverCompletes() {
    Game game({"caf?", "kat"});
    game.startWord(0);
    QCOMPARE(game->currentWord, std::string("caf?"));
    game->invoer.QLineEdit::setText(QString::fromUtf8("caf\u0119"));
    game->invoer_Change();
    QCOMPARE(game->scorelbl.caption(), std::string("0"));
    QVERIFY(game->Timer1.enabled());
}

QTEST_MAIN(WordRunTest)
#include "tst_wordrun.moc"
