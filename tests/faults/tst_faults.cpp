// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/failure.h"
#include "data/cipher.h"
#include "game.h"

#include <QtTest>

#include <random>

using testing::Game;
using testing::Sandbox;

// Runs with the faultfs shim preloaded: writes, opens and reads fail where a test asks.
class FaultsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void highscoreSaveThatFailsPartWay_data();
    void highscoreSaveThatFailsPartWay();
    void wordListRewriteThatFailsPartWay_data();
    void wordListRewriteThatFailsPartWay();
    void filesThatCannotBeRead_data();
    void filesThatCannotBeRead();
    void wordListWithNulBytes();
    void wordListOfOneTenMegabyteLine();
    void wordListOfAHundredMegabytes();
    void highscoresOfRandomBytes_data();
    void highscoresOfRandomBytes();
};

namespace {

void failWrites(const QString& dir, int after, const char* error) {
    qputenv("FAULTFS_WRITE_DIR", dir.toLocal8Bit());
    qputenv("FAULTFS_WRITE_AFTER", QByteArray::number(after));
    qputenv("FAULTFS_WRITE_ERRNO", error);
}

QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden);
}

std::string randomBytes(std::size_t size, unsigned seed) {
    std::mt19937 rng(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(rng());
    }
    return bytes;
}

}  // namespace

void FaultsTest::cleanup() {
    for (const char* variable : {"FAULTFS_WRITE_DIR", "FAULTFS_WRITE_AFTER", "FAULTFS_WRITE_ERRNO",
                                 "FAULTFS_DENY_OPEN", "FAULTFS_READ_FAILS"}) {
        qunsetenv(variable);
    }
}

void FaultsTest::highscoreSaveThatFailsPartWay_data() {
    QTest::addColumn<QByteArray>("error");
    QTest::addColumn<int>("after");
    QTest::addColumn<QString>("cause");
    for (const int after : {0, 10, 600}) {
        QTest::addRow("disk full after %d bytes", after)
            << QByteArray("ENOSPC") << after << "te weinig schijfruimte";
        QTest::addRow("I/O error after %d bytes", after)
            << QByteArray("EIO") << after << "schrijven mislukt";
    }
}

void FaultsTest::highscoreSaveThatFailsPartWay() {
    QFETCH(QByteArray, error);
    QFETCH(int, after);
    QFETCH(QString, cause);
    Game game;
    game.sandbox.dialogs.answerInput({"Jan", true});
    game->scorelbl.setCaption("1200");
    game->Command3_Click();
    const QString path = game.sandbox.inProgram("highscores.txt");
    const std::string before = game.sandbox.readFile(path);
    const QStringList filesBefore = filesIn(game.sandbox.programDir());

    failWrites(game.sandbox.programDir(), after, error.constData());
    game.sandbox.dialogs.answerInput({std::string(2000, 'p'), true});
    game->Command3.click();
    cleanup();

    QCOMPARE(game.sandbox.ends, std::vector<int>{1});
    const auto& message = game.sandbox.dialogs.calls.back();
    QCOMPARE(message.style, 16);
    QVERIFY2(message.text.find("highscores.txt") != std::string::npos &&
                 message.text.find(cause.toStdString()) != std::string::npos,
             message.text.c_str());
    QVERIFY(game.sandbox.readFile(path) == before);
    QCOMPARE(filesIn(game.sandbox.programDir()), filesBefore);
}

void FaultsTest::wordListRewriteThatFailsPartWay_data() {
    QTest::addColumn<QByteArray>("error");
    QTest::addColumn<int>("after");
    for (const int after : {0, 100, 70000}) {
        QTest::addRow("disk full after %d bytes", after) << QByteArray("ENOSPC") << after;
        QTest::addRow("I/O error after %d bytes", after) << QByteArray("EIO") << after;
    }
}

void FaultsTest::wordListRewriteThatFailsPartWay() {
    QFETCH(QByteArray, error);
    QFETCH(int, after);
    Sandbox sandbox;
    sandbox.separateWorkDir();
    std::vector<std::string> words;
    for (int i = 0; i < 20000; ++i) {
        words.push_back("woord" + std::to_string(i));
    }
    sandbox.prepareGame(words);
    const std::string scores = testing::highscoreFileFor("100, Jan\r\n");
    sandbox.writeFile(sandbox.inProgram("highscores.txt"), scores);
    const std::string old = "oud\r\nwoord\r\n\r\n";
    sandbox.writeFile(sandbox.inProgram("woordenlijst.txt"), old);

    failWrites(sandbox.programDir(), after, error.constData());
    Form1 form(sandbox.context);
    QVERIFY(sandbox.load(form));
    cleanup();

    QCOMPARE(sandbox.dialogs.calls.size(), 1u);
    QVERIFY2(sandbox.dialogs.calls[0].text.find("woordenlijst.txt") != std::string::npos,
             sandbox.dialogs.calls[0].text.c_str());
    QCOMPARE(sandbox.readFile(sandbox.inProgram("woordenlijst.txt")), old);
    QVERIFY(sandbox.readFile(sandbox.inProgram("highscores.txt")) == scores);
    QCOMPARE(filesIn(sandbox.programDir()), (QStringList{"highscores.txt", "woordenlijst.txt"}));
}

void FaultsTest::filesThatCannotBeRead_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("fault");
    QTest::addColumn<QString>("message");
    const QString loader = "woordenlijst.txt of bonuslist.txt niet gevonden";
    const QString noScores = "kan highscores.txt niet lezen";
    QTest::newRow("word list, no read permission")
        << "woordenlijst.txt" << QByteArray("FAULTFS_DENY_OPEN") << loader;
    QTest::newRow("word list, read error")
        << "woordenlijst.txt" << QByteArray("FAULTFS_READ_FAILS") << loader;
    QTest::newRow("bonus list, no read permission")
        << "bonuslijst.txt" << QByteArray("FAULTFS_DENY_OPEN") << loader;
    QTest::newRow("highscores, no read permission")
        << "highscores.txt" << QByteArray("FAULTFS_DENY_OPEN") << noScores;
    QTest::newRow("highscores, read error")
        << "highscores.txt" << QByteArray("FAULTFS_READ_FAILS") << noScores;
}

void FaultsTest::filesThatCannotBeRead() {
    QFETCH(QString, file);
    QFETCH(QByteArray, fault);
    QFETCH(QString, message);
    Sandbox sandbox;
    sandbox.separateWorkDir();
    sandbox.prepareGame({"kat", "hond"});
    const std::string scores = testing::highscoreFileFor("100, Jan\r\n");
    sandbox.writeFile(sandbox.inProgram("highscores.txt"), scores);
    const QString path = file == "highscores.txt" ? sandbox.inProgram("highscores.txt")
                                                  : sandbox.inWork(file.toLatin1().constData());
    const std::string content = sandbox.readFile(path);

    qputenv(fault.constData(), path.toLocal8Bit());
    Form1 form(sandbox.context);
    QVERIFY(sandbox.load(form));
    cleanup();

    QCOMPARE(sandbox.dialogs.calls.size(), 1u);
    QVERIFY2(sandbox.dialogs.calls[0].text.find(message.toStdString()) != std::string::npos,
             sandbox.dialogs.calls[0].text.c_str());
    QVERIFY(sandbox.readFile(path) == content);
    QVERIFY(sandbox.readFile(sandbox.inProgram("highscores.txt")) == scores);
    QVERIFY(!QFile::exists(sandbox.inProgram("woordenlijst.txt")));
}

void FaultsTest::wordListWithNulBytes() {
    const std::string withNul("k\0t", 3);
    Game game({withNul, "hond", std::string(1, '\0')});
    QCOMPARE(game->woordenlijst.items().count(), 3);
    const std::string file = game.sandbox.readFile(game.sandbox.inProgram("woordenlijst.txt"));
    QCOMPARE(std::count(file.begin(), file.end(), '\0'), 2);
    // Drawn and typed like any word.
    game.sandbox.random.script({0.0f, 0.0f, 0.0f});
    for (int i = 0; i < 3; ++i) {
        game->Command1.setEnabled(true);
        game->Command1_Click();
        if (game->currentWord == withNul) {
            game.completeWord();
            QCOMPARE(game->scorelbl.caption(), std::string("1100"));
        }
        game->Timer1.setEnabled(false);
    }
}

void FaultsTest::wordListOfOneTenMegabyteLine() {
    const std::string line(10 * 1024 * 1024, 'w');
    Game game({line});
    QCOMPARE(game->aantalw.caption(), std::string("1"));
    QVERIFY(game.sandbox.readFile(game.sandbox.inProgram("woordenlijst.txt")) == line + "\r\n\r\n");
    game->show();
    game.startWord(0);
    QCOMPARE(game->currentWord.size(), line.size());
    game->Timer1_Timer();
    QApplication::processEvents();  // painted without trouble
    game.type("/debug");
    QApplication::processEvents();
    QVERIFY(!game->woordenlijst.isHidden());
}

void FaultsTest::wordListOfAHundredMegabytes() {
    Sandbox sandbox;
    std::mt19937 rng(9);
    std::string file;
    file.reserve(100 * 1024 * 1024 + 64);
    int lines = 0;
    while (file.size() < 100u * 1024 * 1024) {
        for (int i = 0; i < 23; ++i) {
            file.push_back(static_cast<char>('a' + rng() % 26));
        }
        file += "\r\n";
        ++lines;
    }
    sandbox.writeFile(sandbox.inWork("woordenlijst.txt"), file);
    sandbox.writeFile(sandbox.inWork("bonuslijst.txt"), "bonus\r\n");
    sandbox.writeFile(sandbox.inProgram("highscores.txt"), "");
    file.clear();
    file.shrink_to_fit();
    Form1 form(sandbox.context);
    QVERIFY(!sandbox.load(form));
    QCOMPARE(form.aantalw.caption(), std::to_string(lines));
    QCOMPARE(QFileInfo(sandbox.inProgram("woordenlijst.txt")).size(), qint64(lines) * 25 + 2);
    const base::ListItems& list = form.woordenlijst.items();
    for (int i = 1; i < list.count(); i += list.count() / 1000) {
        QVERIFY(list.item(i - 1) <= list.item(i));  // lower-case letters: byte order
    }
}

void FaultsTest::highscoresOfRandomBytes_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("1 KB") << 1024;
    QTest::newRow("32766 bytes") << 32766;
    QTest::newRow("32767 bytes") << 32767;
    QTest::newRow("1 MB") << 1024 * 1024;
}

void FaultsTest::highscoresOfRandomBytes() {
    QFETCH(int, size);
    Sandbox sandbox;
    sandbox.prepareGame({"kat"});
    const std::string bytes =
        randomBytes(static_cast<std::size_t>(size), static_cast<unsigned>(size));
    sandbox.writeFile(sandbox.inProgram("highscores.txt"), bytes);
    Form1 form(sandbox.context);
    if (size < 32767) {
        QVERIFY(!sandbox.load(form));  // whatever the bytes decipher to, every CR LF ends an entry
        QVERIFY(sandbox.dialogs.calls.empty());
    } else {
        QVERIFY(sandbox.load(form));
        QCOMPARE(sandbox.dialogs.calls.size(), 1u);
    }
    QVERIFY(sandbox.readFile(sandbox.inProgram("highscores.txt")) == bytes);
}

QTEST_MAIN(FaultsTest)
#include "tst_faults.moc"
