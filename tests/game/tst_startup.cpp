// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/failure.h"
#include "data/cipher.h"
#include "game/form1.h"
#include "game/form1_texts.h"
#include "sandbox.h"

#include <QtTest>

#include <sys/stat.h>

using testing::crlfLines;
using testing::Sandbox;

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void missingHighscoresCreatesAnEmptyFileAndEnds();
    void highscoreLinesBecomeEntries_data();
    void highscoreLinesBecomeEntries();
    void unreadableOrOversizedHighscoresEndTheGameUntouched_data();
    void unreadableOrOversizedHighscoresEndTheGameUntouched();
    void gameStateAndWindowAfterStartUp();
    void wordListWrittenBackIsByteExactAndIdempotent();
    void wordListInAnotherOrderComesBackSorted();
    void aWordListKeptFromItsFileStillStartsTheGame();
    void wordListWithoutBlankLineKeepsEveryWord();
    void entriesIcuIgnoresDoNotGrowTheBlankLines();
    void listsComeFromTheWorkingDirectory();
    void laterFailuresNameTheirCauseAndWriteNothing_data();
    void laterFailuresNameTheirCauseAndWriteNothing();
    void failedRewriteKeepsTheOldWordListAndTheHighscores();
    void filesThatAreNoRegularFilesAreNamedAndLeftAlone_data();
    void filesThatAreNoRegularFilesAreNamedAndLeftAlone();
};

namespace {

std::vector<std::string> entriesOf(const base::ListItems& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.count(); ++i) {
        out.emplace_back(list.item(i));
    }
    return out;
}

const std::string kStoredScores = testing::highscoreFileFor("1200, Jan\r\n350, Piet\r\n");

}  // namespace

void StartupTest::missingHighscoresCreatesAnEmptyFileAndEnds() {
    Sandbox sandbox;
    sandbox.separateWorkDir();
    sandbox.prepareGame({"kat", "hond"});
    QFile::remove(sandbox.inProgram("highscores.txt"));
    {
        Form1 form(sandbox.context);
        QVERIFY(sandbox.load(form));
        QCOMPARE(sandbox.dialogs.calls.size(), 1u);
        QCOMPARE(sandbox.dialogs.calls[0].text,
                 std::string("Er is geen highscores.txt gevonden, ik maak er nu een aan.\r\n"
                             "Voor optimale werking van het programma wordt het programma nu "
                             "gesloten en moet u het opnieuw starten\r\nDoei!!! xxxx"));
        QCOMPARE(sandbox.dialogs.calls[0].style, 64);
        QCOMPARE(sandbox.readFile(sandbox.inProgram("highscores.txt")), std::string());
        QVERIFY(!QFile::exists(sandbox.inProgram("woordenlijst.txt")));
        QCOMPARE(form.caption(), std::string("Title Not Loaded"));
    }
    // The next start finds the empty file: no message, an empty table.
    Form1 again(sandbox.context);
    QVERIFY(!sandbox.load(again));
    QCOMPARE(sandbox.dialogs.calls.size(), 1u);
    QCOMPARE(again.hiscorelist.items().count(), 0);
}

void StartupTest::highscoreLinesBecomeEntries_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("only CR LF") << QByteArray("\r\n") << QStringList{};
    QTest::newRow("two entries, sorted")
        << QByteArray::fromStdString(testing::highscoreFileFor("350, Piet\r\n1200, Jan\r\n"))
        << QStringList{"1200, Jan", "350, Piet"};
    QTest::newRow("three lines") << QByteArray::fromStdString(
                                        testing::highscoreFileFor("a\r\nb\r\nc\r\n"))
                                 << QStringList{"a", "b", "c"};
    QTest::newRow("last line unterminated")
        << QByteArray::fromStdString(testing::highscoreFileFor("a\r\nb\r\nc"))
        << QStringList{"a", "b"};
    QTest::newRow("empty line inside")
        << QByteArray::fromStdString(testing::highscoreFileFor("a\r\n\r\nb\r\n"))
        << QStringList{"", "a", "b"};
    QTest::newRow("largest readable file")
        << QByteArray::fromStdString(testing::highscoreFileFor(std::string(32762, 'x') + "\r\n"))
        << QStringList{QString(32762, QLatin1Char('x'))};
}

void StartupTest::highscoreLinesBecomeEntries() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, entries);
    Sandbox sandbox;
    sandbox.prepareGame({"kat"});
    sandbox.writeFile(sandbox.inProgram("highscores.txt"), file.toStdString());
    Form1 form(sandbox.context);
    QVERIFY(!sandbox.load(form));
    QStringList got;
    for (const std::string& e : entriesOf(form.hiscorelist.items())) {
        got << QString::fromStdString(e);
    }
    QCOMPARE(got, entries);
    QVERIFY(sandbox.dialogs.calls.empty());
    QCOMPARE(QByteArray::fromStdString(sandbox.readFile(sandbox.inProgram("highscores.txt"))),
             file);
}

void StartupTest::unreadableOrOversizedHighscoresEndTheGameUntouched_data() {
    QTest::addColumn<int>("size");  // 0 stands for a folder in the file's place
    QTest::addColumn<QString>("cause");
    QTest::newRow("a folder") << 0 << "geen gewoon bestand, maar een map";
    QTest::newRow("32767 bytes") << 32767 << "te groot (32767 bytes";
    QTest::newRow("100000 bytes") << 100000 << "te groot (100000 bytes";
}

void StartupTest::unreadableOrOversizedHighscoresEndTheGameUntouched() {
    QFETCH(int, size);
    QFETCH(QString, cause);
    Sandbox sandbox;
    sandbox.separateWorkDir();
    sandbox.prepareGame({"kat"});
    const QString path = sandbox.inProgram("highscores.txt");
    std::string content;
    if (size == 0) {
        QFile::remove(path);
        QVERIFY(QDir().mkpath(path));
    } else {
        for (int i = 0; i < size; ++i) {
            content.push_back(static_cast<char>(i * 31 % 256));
        }
        sandbox.writeFile(path, content);
    }
    Form1 form(sandbox.context);
    QVERIFY(sandbox.load(form));
    // Not the first-start message: the file is there. The message names the file, its
    // folder and the cause, and says the file was left as it is.
    QCOMPARE(sandbox.dialogs.calls.size(), 1u);
    const std::string& message = sandbox.dialogs.calls[0].text;
    for (const std::string& part :
         {std::string("highscores.txt"), sandbox.programDir().toStdString(), cause.toStdString(),
          std::string("niet veranderd")}) {
        QVERIFY2(message.find(part) != std::string::npos, message.c_str());
    }
    QCOMPARE(sandbox.dialogs.calls[0].style, 16);
    if (size == 0) {
        QVERIFY(QFileInfo(path).isDir());
    } else {
        QVERIFY(sandbox.readFile(path) == content);
    }
    QVERIFY(!QFile::exists(sandbox.inProgram("woordenlijst.txt")));
}

void StartupTest::gameStateAndWindowAfterStartUp() {
    Sandbox sandbox;
    sandbox.prepareGame({"kat", "hond", "vis"});
    Form1 form(sandbox.context);
    QVERIFY(!sandbox.load(form));
    QCOMPARE(sandbox.random.reseeds, 1);
    QCOMPARE(form.caption(), std::string("ToetsRace 0.27"));
    QCOMPARE(form.windowTitle(), QStringLiteral("ToetsRace 0.27"));
    QCOMPARE(form.lives, 5);
    QCOMPARE(form.speed, 10);
    QCOMPARE(form.bonusActive, false);
    QCOMPARE(form.level, 1);
    QCOMPARE(form.godMode, false);
    QCOMPARE(form.nextBonusAt, 25000);
    QCOMPARE(form.scoreLeft, 1100);
    QCOMPARE(form.wordsInLevel, 0);
    QCOMPARE(form.startLeft, 11000);
    QCOMPARE(form.currentWord, std::string("5521r7b602w9138pz"));
    QCOMPARE(form.aantalw.caption(), std::string("3"));
    QCOMPARE(entriesOf(form.woordenlijst.items()),
             (std::vector<std::string>{"hond", "kat", "vis"}));
    QCOMPARE(entriesOf(form.bonuslist.items()), std::vector<std::string>{"bonuswoord"});
    QVERIFY(!form.Timer1.enabled());
    QVERIFY(!form.goedtimer.enabled());
    QVERIFY(!form.goknipper.enabled());
    QCOMPARE(form.scorelbl.caption(), std::string("0"));
    QCOMPARE(form.lvllbl.caption(), std::string("1"));
    QCOMPARE(form.speedlbl.caption(), std::string("10"));
    QCOMPARE(form.snel.left(), 11000);
    QCOMPARE(form.invoer.text(), std::string());
}

void StartupTest::wordListWrittenBackIsByteExactAndIdempotent() {
    Sandbox sandbox;
    std::vector<std::string> words;
    for (int i = 0; i < 200; ++i) {
        words.push_back("woord" + std::to_string(1000 + i));
    }
    words.push_back("");  // the blank line an earlier start wrote
    sandbox.prepareGame(words);
    const std::string written = sandbox.readFile(sandbox.inProgram("woordenlijst.txt"));
    for (int run = 0; run < 2; ++run) {
        Form1 form(sandbox.context);
        QVERIFY(!sandbox.load(form));
        QCOMPARE(form.aantalw.caption(), std::string("201"));
        QCOMPARE(form.woordenlijst.items().count(), 200);
        QCOMPARE(form.woordenlijst.items().item(0), std::string_view("woord1000"));
        QVERIFY(sandbox.readFile(sandbox.inProgram("woordenlijst.txt")) == written);
    }
}

void StartupTest::wordListInAnotherOrderComesBackSorted() {
    Sandbox sandbox;
    sandbox.prepareGame({"kat", "hond", ""});
    Form1 form(sandbox.context);
    QVERIFY(!sandbox.load(form));
    QCOMPARE(sandbox.readFile(sandbox.inProgram("woordenlijst.txt")),
             std::string("hond\r\nkat\r\n\r\n"));
    QCOMPARE(form.aantalw.caption(), std::string("3"));
}

// Another copy of the game holds it (here: a folder where its lock goes): the player may try
// again, and the game starts either way with the list as it is.
void StartupTest::aWordListKeptFromItsFileStillStartsTheGame() {
    Sandbox sandbox;
    sandbox.prepareGame({"kat", "hond", ""});
    QVERIFY(QDir().mkdir(sandbox.inProgram("woordenlijst.txt") + ".lock"));
    sandbox.dialogs.answer(base::kYes);
    sandbox.dialogs.answer(base::kNo);
    Form1 form(sandbox.context);
    QVERIFY(!sandbox.load(form));
    QCOMPARE(sandbox.dialogs.calls.size(), 2u);
    QCOMPARE(sandbox.dialogs.calls[1].style, base::kYesNo | base::kExclamation);
    QVERIFY(sandbox.dialogs.calls[1].text.ends_with(
        "Er is niets verloren: Toetsrace speelt met de woordenlijst zoals die is.\r\nNog een "
        "keer proberen?"));
    QCOMPARE(sandbox.readFile(sandbox.inProgram("woordenlijst.txt")),
             std::string("kat\r\nhond\r\n\r\n"));
    QCOMPARE(entriesOf(form.woordenlijst.items()), (std::vector<std::string>{"hond", "kat"}));
}

void StartupTest::wordListWithoutBlankLineKeepsEveryWord() {
    Sandbox sandbox;
    sandbox.prepareGame({"kat", "hond"});
    Form1 form(sandbox.context);
    QVERIFY(!sandbox.load(form));
    QCOMPARE(entriesOf(form.woordenlijst.items()), (std::vector<std::string>{"hond", "kat"}));
    QCOMPARE(form.aantalw.caption(), std::string("2"));
    QCOMPARE(sandbox.readFile(sandbox.inProgram("woordenlijst.txt")),
             std::string("hond\r\nkat\r\n\r\n"));
}

void StartupTest::entriesIcuIgnoresDoNotGrowTheBlankLines() {
    // A line of only Ctrl-Z (the old end-of-file mark) and one of a soft hyphen, which the
    // collation ignores whole, in a file that start-up wrote.
    Sandbox sandbox;
    const std::string written = "\x1A\r\n\xAD\r\nkat\r\n\r\n";
    sandbox.writeFile(sandbox.inWork("woordenlijst.txt"), written);
    sandbox.writeFile(sandbox.inWork("bonuslijst.txt"), "bonuswoord\r\n");
    sandbox.writeFile(sandbox.inProgram("highscores.txt"), "");
    for (int run = 0; run < 2; ++run) {
        Form1 form(sandbox.context);
        QVERIFY(!sandbox.load(form));
        QCOMPARE(form.aantalw.caption(), std::string("4"));
        QCOMPARE(sandbox.readFile(sandbox.inProgram("woordenlijst.txt")), written);
    }
}

void StartupTest::listsComeFromTheWorkingDirectory() {
    Sandbox sandbox;
    sandbox.separateWorkDir();
    sandbox.prepareGame({"kat", "hond"});
    Form1 form(sandbox.context);
    QVERIFY(!sandbox.load(form));
    QCOMPARE(sandbox.readFile(sandbox.inProgram("woordenlijst.txt")),
             std::string("hond\r\nkat\r\n\r\n"));
    // The working directory's own file is read, never written.
    QCOMPARE(sandbox.readFile(sandbox.inWork("woordenlijst.txt")), crlfLines({"kat", "hond"}));

    Sandbox without;
    without.separateWorkDir();
    without.prepareGame({"kat"});
    QFile::remove(without.inWork("woordenlijst.txt"));
    Form1 ended(without.context);
    QVERIFY(without.load(ended));
    QCOMPARE(without.dialogs.calls.at(0).text,
             std::string("woordenlijst.txt of bonuslist.txt niet gevonden, Toetsrace sluit nu af"));
}

void StartupTest::laterFailuresNameTheirCauseAndWriteNothing_data() {
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing bonus list") << "nobonus"
                                        << "woordenlijst.txt of bonuslist.txt niet gevonden";
    QTest::newRow("empty word list") << "empty"
                                     << "woordenlijst.txt bevat geen enkel woord";
    QTest::newRow("only blank lines") << "blank"
                                      << "woordenlijst.txt bevat geen enkel woord";
    QTest::newRow("program folder unwritable") << "unwritable"
                                               << "kan woordenlijst.txt niet opslaan";
}

void StartupTest::laterFailuresNameTheirCauseAndWriteNothing() {
    QFETCH(QString, failure);
    QFETCH(QString, message);
    Sandbox sandbox;
    sandbox.separateWorkDir();
    sandbox.prepareGame({"kat", "hond"});
    sandbox.writeFile(sandbox.inProgram("highscores.txt"), kStoredScores);
    if (failure == "nobonus") {
        QFile::remove(sandbox.inWork("bonuslijst.txt"));
    } else if (failure == "empty") {
        sandbox.writeFile(sandbox.inWork("woordenlijst.txt"), "");
    } else if (failure == "blank") {
        sandbox.writeFile(sandbox.inWork("woordenlijst.txt"), "\r\n\r\n\r\n");
    } else if (failure == "unwritable") {
        // The rewrite goes where a folder stands in the file's place.
        QVERIFY(QDir().mkpath(sandbox.inProgram("woordenlijst.txt")));
    }
    Form1 form(sandbox.context);
    QVERIFY(sandbox.load(form));
    QCOMPARE(sandbox.dialogs.calls.size(), 1u);
    QVERIFY2(sandbox.dialogs.calls[0].text.find(message.toStdString()) != std::string::npos,
             sandbox.dialogs.calls[0].text.c_str());
    QCOMPARE(sandbox.dialogs.calls[0].style, 16);
    QVERIFY(sandbox.readFile(sandbox.inProgram("highscores.txt")) == kStoredScores);
    if (failure != "unwritable") {
        QVERIFY(!QFile::exists(sandbox.inProgram("woordenlijst.txt")));
    }
}

void StartupTest::failedRewriteKeepsTheOldWordListAndTheHighscores() {
    Sandbox sandbox;
    sandbox.separateWorkDir();
    std::vector<std::string> words;
    for (int i = 0; i < 3000; ++i) {
        words.push_back("woord" + std::to_string(i));
    }
    sandbox.prepareGame(words);
    sandbox.writeFile(sandbox.inProgram("highscores.txt"), kStoredScores);
    const std::string old = "oud\r\n\r\n";
    sandbox.writeFile(sandbox.inProgram("woordenlijst.txt"), old);

    Form1 form(sandbox.context);
    bool ended = false;
    {
        const testing::FileSizeLimit limit(8192);
        ended = sandbox.load(form);
    }

    QVERIFY(ended);
    QCOMPARE(sandbox.dialogs.calls.size(), 1u);
    QVERIFY(sandbox.dialogs.calls[0].text.find("woordenlijst.txt") != std::string::npos);
    QCOMPARE(sandbox.readFile(sandbox.inProgram("woordenlijst.txt")), old);
    QVERIFY(sandbox.readFile(sandbox.inProgram("highscores.txt")) == kStoredScores);
    QCOMPARE(QDir(sandbox.programDir()).entryList(QDir::Files),
             (QStringList{"highscores.txt", "woordenlijst.txt"}));
}

void StartupTest::filesThatAreNoRegularFilesAreNamedAndLeftAlone_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kind");
    QTest::newRow("highscores.txt a FIFO") << "highscores.txt"
                                           << "fifo";
    QTest::newRow("woordenlijst.txt a FIFO") << "woordenlijst.txt"
                                             << "fifo";
    QTest::newRow("bonuslijst.txt a link to /dev/zero") << "bonuslijst.txt"
                                                        << "device";
}

void StartupTest::filesThatAreNoRegularFilesAreNamedAndLeftAlone() {
    QFETCH(QString, file);
    QFETCH(QString, kind);
    Sandbox sandbox;
    sandbox.separateWorkDir();
    sandbox.prepareGame({"kat"});
    const QString path = file == "highscores.txt" ? sandbox.inProgram("highscores.txt")
                                                  : sandbox.inWork(file.toLatin1().constData());
    QFile::remove(path);
    if (kind == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    } else {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    }
    Form1 form(sandbox.context);
    QVERIFY(sandbox.load(form));
    QCOMPARE(sandbox.dialogs.calls.size(), 1u);
    const std::string& message = sandbox.dialogs.calls[0].text;
    const QString folder = QFileInfo(path).absolutePath();
    for (const std::string& part :
         {file.toStdString(), folder.toStdString(), std::string("geen gewoon bestand"),
          std::string("niet veranderd")}) {
        QVERIFY2(message.find(part) != std::string::npos, message.c_str());
    }
    QVERIFY(!QFileInfo(path).isFile() || QFileInfo(path).isSymLink());
    QVERIFY(!QFile::exists(sandbox.inProgram("woordenlijst.txt")));
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
