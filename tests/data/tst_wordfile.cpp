// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/wordsupply.h"
#include "base/failure.h"
#include "data/wordfile.h"
#include "sandbox.h"
#include "ui/listmodel.h"

#include <QtTest>

using testing::Sandbox;
using testing::VectorList;

class WordFileTest : public QObject {
    Q_OBJECT
private slots:
    void linesOfAFile_data();
    void linesOfAFile();
    void everyByteSurvivesTheLoaderAndTheLists();
    void loadingReplacesWhatTheListHeld();
    void fileThatCannotBeReadIsFatal_data();
    void fileThatCannotBeReadIsFatal();
    void writerEndsEveryEntryAndTheFile();
    void failedWriteLeavesTheOldFileWhole();
};

void WordFileTest::linesOfAFile_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("CR LF after each")
        << QByteArray("kat\r\nhond\r\n") << QStringList{"kat", "hond"};
    QTest::newRow("no final line end") << QByteArray("kat\r\nhond") << QStringList{"kat", "hond"};
    QTest::newRow("empty line inside")
        << QByteArray("kat\r\n\r\nhond") << QStringList{"kat", "", "hond"};
    QTest::newRow("blank last line") << QByteArray("kat\r\n\r\n") << QStringList{"kat", ""};
    QTest::newRow("CR alone ends a line") << QByteArray("kat\rhond") << QStringList{"kat", "hond"};
    QTest::newRow("LF alone is a character") << QByteArray("kat\nhond") << QStringList{"kat\nhond"};
    QTest::newRow("CR CR LF") << QByteArray("kat\r\r\nhond") << QStringList{"kat", "", "hond"};
    QTest::newRow("spaces kept") << QByteArray(" kat \r\n") << QStringList{" kat "};
    QTest::newRow("case and duplicates kept")
        << QByteArray("Kat\r\nkat\r\nkat\r\n") << QStringList{"Kat", "kat", "kat"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("byte-order mark is text")
        << QByteArray("\xEF\xBB\xBFkat\r\n") << QStringList{QString::fromLatin1("\xEF\xBB\xBFkat")};
}

void WordFileTest::linesOfAFile() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entries);
    Sandbox sandbox;
    sandbox.writeFile(sandbox.inWork("woordenlijst.txt"), bytes.toStdString());
    VectorList list;
    app::TextFile2ListBox("woordenlijst.txt", list, sandbox.dialogs);
    QStringList got;
    for (const std::string& e : list.entries) {
        got << QString::fromLatin1(e.data(), static_cast<qsizetype>(e.size()));
    }
    QCOMPARE(got, entries);
    QVERIFY(sandbox.dialogs.calls.empty());
}

void WordFileTest::everyByteSurvivesTheLoaderAndTheLists() {
    // Every code but CR, which always ends a line, in lines of 16 codes each.
    std::string file;
    std::vector<std::string> lines;
    for (int start = 0; start < 256; start += 16) {
        std::string line;
        for (int code = start; code < start + 16; ++code) {
            if (code != '\r') {
                line.push_back(static_cast<char>(code));
            }
        }
        lines.push_back(line);
        file += line + "\r\n";
    }
    Sandbox sandbox;
    sandbox.writeFile(sandbox.inWork("woordenlijst.txt"), file);
    for (const bool sorted : {false, true}) {
        ui::ListModel list(sorted);
        app::TextFile2ListBox("woordenlijst.txt", list, sandbox.dialogs);
        std::vector<std::string> got;
        for (int i = 0; i < list.count(); ++i) {
            got.emplace_back(list.item(i));
        }
        std::sort(got.begin(), got.end());
        std::vector<std::string> expected = lines;
        std::sort(expected.begin(), expected.end());
        QVERIFY2(got == expected, sorted ? "sorted list" : "unsorted list");
    }
}

void WordFileTest::loadingReplacesWhatTheListHeld() {
    Sandbox sandbox;
    sandbox.writeFile(sandbox.inWork("bonuslijst.txt"), "nieuw\r\n");
    ui::ListModel list(false);
    list.addItem("oud");
    list.addItem("ouder");
    app::TextFile2ListBox("bonuslijst.txt", list, sandbox.dialogs);
    QCOMPARE(list.count(), 1);
    QCOMPARE(list.item(0), std::string_view("nieuw"));
}

void WordFileTest::fileThatCannotBeReadIsFatal_data() {
    QTest::addColumn<bool>("isFolder");
    QTest::newRow("missing") << false;
    QTest::newRow("a folder") << true;
}

void WordFileTest::fileThatCannotBeReadIsFatal() {
    QFETCH(bool, isFolder);
    Sandbox sandbox;
    if (isFolder) {
        QVERIFY(QDir(sandbox.workDir()).mkpath(sandbox.inWork("woordenlijst.txt")));
    }
    VectorList list;
    list.entries = {"oud"};
    if (isFolder) {
        // There is something by that name: the guard names it and its folder.
        QVERIFY_THROWS_EXCEPTION(data::FileError,
                                 app::TextFile2ListBox("woordenlijst.txt", list, sandbox.dialogs));
        QVERIFY(sandbox.dialogs.calls.empty());
        QVERIFY(list.entries.empty());
        return;
    }
    QVERIFY_THROWS_EXCEPTION(base::ProgramEnd,
                             app::TextFile2ListBox("woordenlijst.txt", list, sandbox.dialogs));
    QVERIFY(list.entries.empty());
    QCOMPARE(sandbox.dialogs.calls.size(), 1u);
    QCOMPARE(sandbox.dialogs.calls[0].text,
             std::string("woordenlijst.txt of bonuslist.txt niet gevonden, Toetsrace sluit nu af"));
    QCOMPARE(sandbox.dialogs.calls[0].style, 16);
}

void WordFileTest::writerEndsEveryEntryAndTheFile() {
    Sandbox sandbox;
    ui::ListModel sorted(true);
    sorted.addItem("kat");
    sorted.addItem("hond");
    data::writeWordListFile(sandbox.inProgram("woordenlijst.txt"), sorted);
    QCOMPARE(sandbox.readFile(sandbox.inProgram("woordenlijst.txt")),
             std::string("hond\r\nkat\r\n\r\n"));

    ui::ListModel empty(true);
    data::writeWordListFile(sandbox.inProgram("woordenlijst.txt"), empty);
    QCOMPARE(sandbox.readFile(sandbox.inProgram("woordenlijst.txt")), std::string("\r\n"));

    // Large enough to take several chunks; read back it gives the same entries.
    ui::ListModel many(false);
    std::string expected;
    for (int i = 0; i < 20000; ++i) {
        const std::string word = "woord" + std::to_string(i);
        many.addItem(word);
        expected += word + "\r\n";
    }
    many.addItem(std::string(100000, 'x'));
    expected += std::string(100000, 'x') + "\r\n\r\n";
    data::writeWordListFile(sandbox.inProgram("woordenlijst.txt"), many);
    QVERIFY(sandbox.readFile(sandbox.inProgram("woordenlijst.txt")) == expected);
}

void WordFileTest::failedWriteLeavesTheOldFileWhole() {
    Sandbox sandbox;
    const std::string old = "oud\r\n\r\n";
    sandbox.writeFile(sandbox.inProgram("woordenlijst.txt"), old);
    ui::ListModel big(false);
    for (int i = 0; i < 5000; ++i) {
        big.addItem("een woord dat ruimte vraagt " + std::to_string(i));
    }
    bool failed = false;
    std::string message;
    try {
        const testing::FileSizeLimit limit(4096);
        data::writeWordListFile(sandbox.inProgram("woordenlijst.txt"), big);
    } catch (const data::FileError& error) {
        failed = true;
        message = app::fileErrorMessage(error);
    }
    QVERIFY(failed);
    QVERIFY2(message.find("woordenlijst.txt") != std::string::npos, message.c_str());
    QVERIFY2(message.find(sandbox.programDir().toStdString()) != std::string::npos,
             message.c_str());
    QCOMPARE(sandbox.readFile(sandbox.inProgram("woordenlijst.txt")), old);
    QCOMPARE(QDir(sandbox.programDir()).entryList(QDir::Files), QStringList{"woordenlijst.txt"});

    // A program folder that is no folder: nothing can be created there.
    sandbox.context.programDir = sandbox.inProgram("woordenlijst.txt");
    QVERIFY_THROWS_EXCEPTION(
        data::FileError,
        data::writeWordListFile(sandbox.context.programFile("woordenlijst.txt"), big));
    QCOMPARE(sandbox.readFile(sandbox.inProgram("woordenlijst.txt")), old);
}

QTEST_GUILESS_MAIN(WordFileTest)
#include "tst_wordfile.moc"
