// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/cipher.h"
#include "game.h"

#include <QtTest>

using testing::Game;

class HighscoresTest : public QObject {
    Q_OBJECT
private slots:
    void fileHoldsTheEncipheredTableThenCrLf();
    void entriesSortByTheirText();
    void nameIsKeptAsTyped();
    void emptyNameOrCancelWritesNothing_data();
    void emptyNameOrCancelWritesNothing();
    void godModeRefusesWithoutAsking();
    void deletingAsksFirst();
    void doubleClickWithoutSelectionRemovesNothing();
    void onlyThePrimaryButtonDeletes();
    void showOrHideChangesNothingElse();
    void tableSurvivesARestartFromAnotherFolder();
    void namesTheFileCannotKeepAreRefused_data();
    void namesTheFileCannotKeepAreRefused();
    void largestTableIsWrittenAndReadBackWhole();
    void failedWriteEndsTheGameAndKeepsTheOldFile();
    void windowsSharingAFolderKeepEachOthersChanges();
    void aSaveKeptFromTheFileWaitsInTheListAndTheGameGoesOn();
};

namespace {

std::string stored(Game& game) {
    return game.sandbox.readFile(game.sandbox.inProgram("highscores.txt"));
}

void writeScore(Game& game, const char* score, const std::string& name) {
    game->scorelbl.setCaption(score);
    game.sandbox.dialogs.answerInput({name, true});
    game->Command3_Click();
}

std::vector<std::string> table(Game& game) {
    std::vector<std::string> out;
    for (int i = 0; i < game->hiscorelist.items().count(); ++i) {
        out.emplace_back(game->hiscorelist.items().item(i));
    }
    return out;
}

}  // namespace

void HighscoresTest::fileHoldsTheEncipheredTableThenCrLf() {
    Game game;
    writeScore(game, "350", "Piet");
    QCOMPARE(stored(game), testing::highscoreFileFor("350, Piet\r\n"));
    QCOMPARE(game.sandbox.dialogs.calls.at(0).kind, std::string("inputBox"));
    QCOMPARE(game.sandbox.dialogs.calls.at(0).text, std::string("En wat is jouw naampje?"));
    QCOMPARE(game.sandbox.dialogs.calls.at(0).title, std::string());
    writeScore(game, "1200", "Jan");
    // 22 plain characters, 24 bytes on disk.
    QCOMPARE(stored(game).size(), 24u);
    QCOMPARE(stored(game), testing::highscoreFileFor("1200, Jan\r\n350, Piet\r\n"));
    QCOMPARE(game->playerName, std::string("Jan"));
    // Deleting the last entries leaves the two bytes CR LF.
    for (int i = 0; i < 2; ++i) {
        game->hiscorelist.setListIndex(0);
        game.sandbox.dialogs.answer(base::kYes);
        game->hiscorelist_DblClick();
    }
    QCOMPARE(stored(game), std::string("\r\n"));
}

void HighscoresTest::entriesSortByTheirText() {
    Game game;
    writeScore(game, "9500", "Jan");
    writeScore(game, "12000", "Piet");
    writeScore(game, "1000", "Els");
    writeScore(game, "100", "Kees");
    QCOMPARE(table(game),
             (std::vector<std::string>{"100, Kees", "1000, Els", "12000, Piet", "9500, Jan"}));
    QCOMPARE(stored(game),
             testing::highscoreFileFor("100, Kees\r\n1000, Els\r\n12000, Piet\r\n9500, Jan\r\n"));
}

void HighscoresTest::nameIsKeptAsTyped() {
    Game game;
    writeScore(game, "0", "   ");
    writeScore(game, "0", "\xC9lise \x80");
    QCOMPARE(table(game), (std::vector<std::string>{"0,    ", "0, \xC9lise \x80"}));
}

void HighscoresTest::emptyNameOrCancelWritesNothing_data() {
    QTest::addColumn<bool>("cancel");
    QTest::newRow("empty name") << false;
    QTest::newRow("Cancel") << true;
}

void HighscoresTest::emptyNameOrCancelWritesNothing() {
    QFETCH(bool, cancel);
    Game game;
    game.sandbox.dialogs.answerInput(cancel ? base::InputAnswer{} : base::InputAnswer{"", true});
    game->Command3_Click();
    QCOMPARE(game.sandbox.dialogs.calls.size(), 2u);
    QCOMPARE(game.sandbox.dialogs.calls[1].text, std::string("Dan niet!"));
    QCOMPARE(game.sandbox.dialogs.calls[1].style, 16);
    QCOMPARE(game->hiscorelist.items().count(), 0);
    QCOMPARE(stored(game), std::string());
}

void HighscoresTest::godModeRefusesWithoutAsking() {
    Game game;
    writeScore(game, "100", "Jan");
    const std::string before = stored(game);
    game.type("/god");
    game.sandbox.dialogs.calls.clear();
    game->Command3_Click();
    QCOMPARE(game.sandbox.dialogs.calls.size(), 1u);
    QCOMPARE(game.sandbox.dialogs.calls[0].text,
             std::string("Je hebt gecheat dus je mag niet in de highscores schrijven."));
    QCOMPARE(game.sandbox.dialogs.calls[0].style, 16);
    QCOMPARE(game->hiscorelist.items().count(), 1);
    QCOMPARE(stored(game), before);
}

void HighscoresTest::deletingAsksFirst() {
    Game game;
    writeScore(game, "100", "Jan");
    writeScore(game, "200", "Piet");
    const std::string before = stored(game);
    game->hiscorelist.setListIndex(1);
    game.sandbox.dialogs.calls.clear();
    game.sandbox.dialogs.answer(base::kNo);
    game->hiscorelist_DblClick();
    QCOMPARE(game.sandbox.dialogs.calls.at(0).text, std::string("Zeker weten verwijderen?"));
    QCOMPARE(game.sandbox.dialogs.calls.at(0).style, 324);
    QCOMPARE(table(game).size(), 2u);
    QCOMPARE(stored(game), before);
    game.sandbox.dialogs.answer(base::kYes);
    game->hiscorelist_DblClick();
    QCOMPARE(table(game), std::vector<std::string>{"100, Jan"});
    QCOMPARE(stored(game), testing::highscoreFileFor("100, Jan\r\n"));
}

void HighscoresTest::doubleClickWithoutSelectionRemovesNothing() {
    Game game;
    game.sandbox.writeFile(game.sandbox.inProgram("highscores.txt"), "");
    game.sandbox.dialogs.answer(base::kYes);
    game->hiscorelist_DblClick();  // an empty table
    QCOMPARE(stored(game), std::string());
    writeScore(game, "100", "Jan");
    const std::string before = stored(game);
    game->hiscorelist.setListIndex(-1);
    game.sandbox.dialogs.answer(base::kYes);
    game->hiscorelist_DblClick();
    QCOMPARE(table(game).size(), 1u);
    QCOMPARE(stored(game), before);
    // A real double click on an entry selects it first.
    game->show();
    game->hiscorelist.show();
    const QRect first = game->hiscorelist.visualRect(game->hiscorelist.items().index(0));
    game.sandbox.dialogs.answer(base::kYes);
    QTest::mouseDClick(game->hiscorelist.viewport(), Qt::LeftButton, {}, first.center());
    QCOMPARE(table(game).size(), 0u);
    QCOMPARE(stored(game), std::string("\r\n"));
}

void HighscoresTest::onlyThePrimaryButtonDeletes() {
    Game game;
    writeScore(game, "100", "Jan");
    game->show();
    game->hiscorelist.show();
    const QPoint first = game->hiscorelist.visualRect(game->hiscorelist.items().index(0)).center();
    game.sandbox.dialogs.calls.clear();
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mouseDClick(game->hiscorelist.viewport(), button, {}, first);
    }
    QVERIFY(game.sandbox.dialogs.calls.empty());
    QCOMPARE(table(game).size(), 1u);
}

void HighscoresTest::showOrHideChangesNothingElse() {
    Game game;
    game.startWord(0);
    QVERIFY(game->hiscorelist.isHidden());
    game->Command2_Click();
    QVERIFY(!game->hiscorelist.isHidden());
    game->Command2_Click();
    QVERIFY(game->hiscorelist.isHidden());
    // Writing while a word runs neither shows the table nor stops the word.
    writeScore(game, "0", "Jan");
    QVERIFY(game->hiscorelist.isHidden());
    QVERIFY(game->Timer1.enabled());
}

void HighscoresTest::tableSurvivesARestartFromAnotherFolder() {
    Game game;
    game.sandbox.separateWorkDir();
    game.sandbox.prepareGame({"kat"});
    writeScore(game, "1200", "Jan");
    writeScore(game, "350", "Piet");
    QVERIFY(!QFile::exists(game.sandbox.inWork("highscores.txt")));
    Form1 again(game.sandbox.context);
    QVERIFY(!game.sandbox.load(again));
    QCOMPARE(again.hiscorelist.items().count(), 2);
    QCOMPARE(again.hiscorelist.items().item(0), std::string_view("1200, Jan"));
    QCOMPARE(again.hiscorelist.items().item(1), std::string_view("350, Piet"));
}

void HighscoresTest::namesTheFileCannotKeepAreRefused_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("representable");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("CR") << QByteArray("Jan\rPiet") << true << QByteArray("regeleinde");
    QTest::newRow("LF") << QByteArray("Jan\nPiet") << true << QByteArray("regeleinde");
    QTest::newRow("no Windows-1252 code")
        << QByteArray("J?n") << false << QByteArray("niet kan bewaren");
    QTest::newRow("table full") << QByteArray(32760, 'x') << true << QByteArray("vol");
}

void HighscoresTest::namesTheFileCannotKeepAreRefused() {
    QFETCH(QByteArray, name);
    QFETCH(bool, representable);
    QFETCH(QByteArray, message);
    Game game;
    writeScore(game, "100", "Jan");
    const std::string before = stored(game);
    game.sandbox.dialogs.calls.clear();
    game.sandbox.dialogs.answerInput({name.toStdString(), representable});
    game->Command3_Click();
    QCOMPARE(game.sandbox.dialogs.calls.size(), 2u);
    QVERIFY2(game.sandbox.dialogs.calls[1].text.find(message.toStdString()) != std::string::npos,
             game.sandbox.dialogs.calls[1].text.c_str());
    QCOMPARE(game.sandbox.dialogs.calls[1].style, 48);
    QCOMPARE(table(game), std::vector<std::string>{"100, Jan"});
    QCOMPARE(stored(game), before);
    QVERIFY(game.sandbox.ends.empty());
}

void HighscoresTest::largestTableIsWrittenAndReadBackWhole() {
    Game game;
    // "0, " + name + CR LF: a plain text of 32764 characters, a file of 32766 bytes.
    const std::string name(32764 - 5, 'n');
    writeScore(game, "0", name);
    QCOMPARE(game->hiscorelist.items().count(), 1);
    QCOMPARE(stored(game).size(), 32766u);
    Form1 again(game.sandbox.context);
    QVERIFY(!game.sandbox.load(again));
    QCOMPARE(again.hiscorelist.items().count(), 1);
    QVERIFY(again.hiscorelist.items().item(0) == "0, " + name);
    // One character more is refused.
    Game other;
    other.sandbox.dialogs.answerInput({name + "n", true});
    other->scorelbl.setCaption("0");
    other->Command3_Click();
    QCOMPARE(other->hiscorelist.items().count(), 0);
}

void HighscoresTest::failedWriteEndsTheGameAndKeepsTheOldFile() {
    Game game;
    writeScore(game, "100", "Jan");
    const std::string before = stored(game);
    game.sandbox.dialogs.calls.clear();
    game.sandbox.dialogs.answerInput({std::string(4000, 'x'), true});
    {
        const testing::FileSizeLimit limit(1024);
        game->Command3.click();  // through the guard, as the player's click
    }
    QCOMPARE(game.sandbox.ends, std::vector<int>{1});
    const std::string message = game.sandbox.dialogs.calls.back().text;
    QVERIFY2(message.find("highscores.txt") != std::string::npos &&
                 message.find(game.sandbox.programDir().toStdString()) != std::string::npos,
             message.c_str());
    QCOMPARE(game.sandbox.dialogs.calls.back().style, 16);
    QCOMPARE(stored(game), before);
    QCOMPARE(QDir(game.sandbox.programDir()).entryList(QDir::Files),
             (QStringList{"bonuslijst.txt", "highscores.txt", "woordenlijst.txt"}));
}

void HighscoresTest::windowsSharingAFolderKeepEachOthersChanges() {
    // Two copies of the game in one folder, each with the table it read at its start.
    Game a;
    Form1 b(a.sandbox.context);
    QVERIFY(!a.sandbox.load(b));
    const auto write = [&](Form1& window, const char* score, const char* name) {
        window.scorelbl.setCaption(score);
        a.sandbox.dialogs.answerInput({name, true});
        window.Command3_Click();
    };
    const auto entries = [](Form1& window) {
        std::vector<std::string> out;
        for (int i = 0; i < window.hiscorelist.items().count(); ++i) {
            out.emplace_back(window.hiscorelist.items().item(i));
        }
        return out;
    };
    write(a.form(), "100", "Anna");
    write(b, "200", "Bob");
    QCOMPARE(entries(b), (std::vector<std::string>{"100, Anna", "200, Bob"}));
    write(a.form(), "300", "Carl");
    // b deletes Anna, whom it knows; a, which still shows her, then writes Dirk.
    b.hiscorelist.setListIndex(0);
    a.sandbox.dialogs.answer(base::kYes);
    b.hiscorelist_DblClick();
    write(a.form(), "400", "Dirk");
    const std::vector<std::string> expected{"200, Bob", "300, Carl", "400, Dirk"};
    QCOMPARE(entries(a.form()), expected);
    QCOMPARE(stored(a), testing::highscoreFileFor("200, Bob\r\n300, Carl\r\n400, Dirk\r\n"));
    QVERIFY(a.sandbox.dialogs.calls.size() == 5u && a.sandbox.dialogs.unexpected == 0);
    QCOMPARE(QDir(a.sandbox.programDir()).entryList(QDir::Files),
             (QStringList{"bonuslijst.txt", "highscores.txt", "woordenlijst.txt"}));
}

// Something where the lock goes (here a folder; another PC's live lock the same way, after
// waiting): the player is asked, the game goes on, and the change goes along with the next
// save that can be made.
void HighscoresTest::aSaveKeptFromTheFileWaitsInTheListAndTheGameGoesOn() {
    Game game;
    writeScore(game, "100", "Anna");
    game.startWord();
    const QString lock = game.sandbox.inProgram("highscores.txt") + ".lock";
    QVERIFY(QDir().mkdir(lock));
    game.sandbox.dialogs.answer(base::kNo);
    writeScore(game, "200", "Bob");
    const auto& asked = game.sandbox.dialogs.calls.back();
    QCOMPARE(asked.style, base::kYesNo | base::kExclamation);
    QCOMPARE(asked.text,
             "Toetsrace kan highscores.txt nu niet opslaan in " +
                 game.sandbox.programDir().toStdString() +
                 ": highscores.txt.lock is geen slotbestand maar een map; haal het weg, dan kan "
                 "Toetsrace weer opslaan.\r\nEr is niets verloren: je wijziging staat in de lijst "
                 "en Toetsrace slaat hem op zodra het lukt, ook bij de volgende keer dat je een "
                 "highscore schrijft of verwijdert.\r\nNog een keer proberen?");
    QCOMPARE(table(game), (std::vector<std::string>{"100, Anna", "200, Bob"}));
    QCOMPARE(stored(game), testing::highscoreFileFor("100, Anna\r\n"));
    QVERIFY(game.sandbox.ends.empty());
    QVERIFY(game->Timer1.enabled());

    // Trying again once it is gone saves the waiting entry with the new one.
    game.sandbox.dialogs.answer(base::kYes);
    game.sandbox.dialogs.whileNextBoxOpen([&] { QDir().rmdir(lock); });
    writeScore(game, "300", "Carl");
    QCOMPARE(stored(game), testing::highscoreFileFor("100, Anna\r\n200, Bob\r\n300, Carl\r\n"));
    QCOMPARE(table(game), (std::vector<std::string>{"100, Anna", "200, Bob", "300, Carl"}));
    QVERIFY(game->unsavedHighscores.empty());
    QCOMPARE(game.sandbox.dialogs.unexpected, 0);
}

QTEST_MAIN(HighscoresTest)
#include "tst_highscores.moc"
