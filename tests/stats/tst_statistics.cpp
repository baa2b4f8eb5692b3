// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/text.h"
#include "doubles.h"
#include "game.h"
#include "memory/form2.h"
#include "stats/schema.h"
#include "stats/stats_texts.h"
#include "stats/typingstatistics.h"
#include "stats/window.h"

#include <QSqlQuery>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include <optional>

using testing::Game;

namespace {

// Time as the test says.
class FakeClock : public stats::Clock {
public:
    qint64 steadyMs() override { return now; }
    qint64 wallMs() override { return kEpoch + now; }
    static constexpr qint64 kEpoch = 1'700'000'000'000;
    qint64 now = 0;
};

// A connection of the test's own to a database file, closed when it goes.
class Connection {
public:
    explicit Connection(const QString& path, const QString& name = QStringLiteral("test"))
        : name_(name) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        db.open();
    }
    ~Connection() {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }
    QSqlDatabase db() const { return QSqlDatabase::database(name_, false); }
    bool exec(const QString& statement) const { return QSqlQuery(db()).exec(statement); }
    QVariantList column(const QString& statement) const {
        QSqlQuery query(db());
        query.exec(statement);
        QVariantList values;
        while (query.next()) {
            values << query.value(0);
        }
        return values;
    }

private:
    QString name_;
};

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void typeKeys(Game& game, const char* keys) {
    QTest::keyClicks(&game->invoer, QString::fromLatin1(keys));
}

// What a player sees of a game.
QString observed(Game& game) {
    QStringList seen{QString::fromStdString(game->scorelbl.caption()), QString::number(game->lives),
                     QString::number(game->level), QString::fromStdString(game->currentWord),
                     QString::number(game->Timer1.enabled())};
    for (const auto& call : game.sandbox.dialogs.calls) {
        seen << QString::fromStdString(call.text);
    }
    return seen.join(QLatin1Char(' '));
}

// A few words as a player plays them: one completed with a slip, one missed, one more
// completed, then Reset Game. Returns what the player saw after each.
QStringList playAFewWords(Game& game) {
    QStringList seen;
    game.startWord(1);
    QTest::keyClicks(&game->invoer, QStringLiteral("kq"));
    QTest::keyClick(&game->invoer, Qt::Key_Backspace);
    QTest::keyClicks(&game->invoer, QStringLiteral("at"));
    seen << observed(game);
    game.missWord();
    seen << observed(game);
    game->losecmd_Click();
    typeKeys(game, game->currentWord.c_str());
    seen << observed(game);
    game->rstgame_Click();
    seen << observed(game);
    return seen;
}

}  // namespace

class StatisticsTest : public QObject {
    Q_OBJECT
private slots:
    void scriptedGameGivesExactFigures();
    void pausesCommandsAndGodModeAreNoTyping();
    void brokenDatabaseLeavesPlayAndFileUntouched_data();
    void brokenDatabaseLeavesPlayAndFileUntouched();
    void migrationFromVersionOneKeepsTheData();
};

void StatisticsTest::scriptedGameGivesExactFigures() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("statistieken.sqlite"));
    FakeClock clock;
    stats::TypingStatistics statistics(path, &clock);
    Game game({"kat", "hond", "vis"}, {"bonuswoord"}, &statistics);
    QCOMPARE(game.words(), (std::vector<std::string>{"hond", "kat", "vis"}));

    // "kat" in 2 s with a slip: k, q (an 'a' was due), Backspace, a, t.
    game.startWord(1);
    clock.now = 2000;
    game.sandbox.random.script({Game::drawing(1, 2)});  // the next word: "vis"
    QTest::keyClicks(&game->invoer, QStringLiteral("kq"));
    QTest::keyClick(&game->invoer, Qt::Key_Backspace);
    typeKeys(game, "at");
    QCOMPARE(game->currentWord, std::string("vis"));
    // "vis" in 1 s, typed cleanly.
    clock.now = 3000;
    typeKeys(game, "vis");
    // "hond" missed after 3 s, with "ho" and a wrong "x" typed.
    QCOMPARE(game->currentWord, std::string("hond"));
    typeKeys(game, "hox");
    clock.now = 6000;
    game.missWord();
    // A keystroke between words belongs to no word.
    typeKeys(game, "z");
    game->rstgame_Click();

    // Memory mode: sequences of one and two words in one visit.
    game->Command5_Click();
    Form2& memory = *game->memoryWindow;
    memory.Command1_Click();
    memory.Text1.setText(memory.sequence);
    memory.Text1.setText(memory.sequence);
    memory.Command2_Click();

    const stats::Summary summary = statistics.store().summary();
    QVERIFY2(!statistics.store().failed(), qPrintable(statistics.store().failure()));
    QVERIFY(summary.lastGame);
    const stats::GameRecord& played = *summary.lastGame;
    QCOMPARE(played.started, FakeClock::kEpoch);
    QCOMPARE(played.activeMs, 6000);
    QCOMPARE(played.completed, 2);
    QCOMPARE(played.missed, 1);
    QCOMPARE(played.score, 2200);
    QCOMPARE(played.keystrokes, 10);
    QCOMPARE(played.correct, 8);
    QCOMPARE(played.corrections, 1);
    // Six characters completed in a tenth of a minute: 1.2 words in 0.1 minute.
    QCOMPARE(stats::wordsPerMinute(played.characters, played.activeMs), 12.0);
    QCOMPARE(stats::accuracyPercent(played.correct, played.keystrokes), 80.0);
    QVERIFY2(!summary.bests.wordsPerMinute, "three words are no record");
    QCOMPARE(summary.bests.longestSequence, 2);

    QStringList errorsPerKey;
    for (const auto& key : summary.keys) {
        errorsPerKey << QStringLiteral("%1 %2/%3")
                            .arg(key.character)
                            .arg(key.tally.errors)
                            .arg(key.tally.attempts);
    }
    errorsPerKey.sort();
    QCOMPARE(errorsPerKey, QStringList({"a 1/2", "h 0/1", "i 0/1", "k 0/1", "n 1/1", "o 0/1",
                                        "s 0/1", "t 0/1", "v 0/1"}));
    QCOMPARE(summary.troublesome.size(), std::size_t(2));
    QCOMPARE(summary.troublesome[0].word, QStringLiteral("hond"));
    QCOMPARE(summary.troublesome[0].missed, 1);
    QCOMPARE(summary.troublesome[1].word, QStringLiteral("kat"));
    QCOMPARE(summary.troublesome[1].mistyped, 1);

    Connection stored(path);
    QCOMPARE(stored.column(QStringLiteral("SELECT word || ' ' || completed || ' ' || ms || ' ' "
                                          "|| keystrokes || ' ' || errors FROM words ORDER BY id")),
             QVariantList({"kat 1 2000 4 1", "vis 1 1000 3 0", "hond 0 3000 3 1"}));
}

// "kat" paused for ten minutes with /p and typed after it, "/god" typed mid-word, the game
// left with "/god" and Yes while "vis" runs on into the next game, where it is missed.
void StatisticsTest::pausesCommandsAndGodModeAreNoTyping() {
    QTemporaryDir folder;
    FakeClock clock;
    stats::TypingStatistics statistics(folder.filePath(QStringLiteral("statistieken.sqlite")),
                                       &clock);
    Game game({"kat", "hond", "vis"}, {"bonuswoord"}, &statistics);
    game.startWord(1);
    clock.now = 500;
    typeKeys(game, "/p");
    QVERIFY(!game->Timer1.enabled());
    clock.now = 600'500;
    typeKeys(game, "/p");
    clock.now = 601'000;
    game.sandbox.random.script({Game::drawing(1, 2)});  // the next word: "vis"
    typeKeys(game, "kat");
    QCOMPARE(game->currentWord, std::string("vis"));
    typeKeys(game, "v/god");  // not a command: the box holds "v/god"
    QTest::keyClick(&game->invoer, Qt::Key_Delete);
    typeKeys(game, "/god");
    QVERIFY(game->godMode);
    clock.now = 602'000;
    game.sandbox.dialogs.answer(base::kYes);
    typeKeys(game, "/god");  // leaving god mode resets the game
    QVERIFY(!game->godMode);
    clock.now = 610'000;
    game.missWord();
    game->rstgame_Click();

    Connection stored(folder.filePath(QStringLiteral("statistieken.sqlite")));
    // Per game: time, words, keystrokes, correct, god mode. "kat" ran 500 ms before the
    // pause and 500 after; "vis" 9 s, with "v/god" typed: 5 keys, 1 right.
    QCOMPARE(stored.column(QStringLiteral(
                 "SELECT active_ms || ' ' || completed || '/' || missed || ' ' || keystrokes || "
                 "' ' || correct || ' ' || god_mode FROM games ORDER BY id")),
             QVariantList({"1000 1/0 3 3 1", "9000 0/1 5 1 0"}));
    const stats::Summary summary = statistics.store().summary();
    // The god-mode game's points are no record; no game had ten words for a speed record.
    QCOMPARE(summary.bests.score, std::optional<qint64>(0));
    QVERIFY(!summary.bests.wordsPerMinute);
    QCOMPARE(summary.bests.games, 2);
    QCOMPARE(stored.column(QStringLiteral("SELECT word FROM troublesome_words")),
             QVariantList({"vis"}));
    // The slip in "v/god": '/' where 'i' was due, 'g' where 's' was, and three past the end.
    QCOMPARE(stored.column(QStringLiteral("SELECT due || typed FROM confusions ORDER BY 1")),
             QVariantList({"i/", "sg"}));
    QCOMPARE(stored.column(QStringLiteral("SELECT errors FROM words WHERE word = 'vis'")),
             QVariantList({4}));
    // Once each is no habit yet: the window names none.
    statistics.showWindow(game.form());
    QCOMPARE(statistics.window()->mixups.caption(), std::string(stats_texts::kNoMixups));
}

void StatisticsTest::brokenDatabaseLeavesPlayAndFileUntouched_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("reason");
    QTest::newRow("working") << "none"
                             << "";
    QTest::newRow("damaged") << "damaged"
                             << "beschadigd";
    QTest::newRow("someone else's") << "foreign"
                                    << "geen database van Toetsrace";
    QTest::newRow("newer version") << "newer"
                                   << "nieuwere versie";
    QTest::newRow("locked") << "locked"
                            << "in gebruik";
    QTest::newRow("disk full") << "full"
                               << "kan niet schrijven";
    // Never opened: a FIFO would stall the game, a device would be written.
    QTest::newRow("a FIFO") << "fifo"
                            << "statistieken.sqlite: het is geen gewoon bestand, maar een FIFO";
    QTest::newRow("a FIFO as its log")
        << "fifo-wal"
        << "statistieken.sqlite-wal: het is geen gewoon bestand, maar een FIFO";
    QTest::newRow("a link to a device") << "device"
                                        << "het is geen gewoon bestand, maar een apparaat";
}

void StatisticsTest::brokenDatabaseLeavesPlayAndFileUntouched() {
    QFETCH(QString, fault);
    QFETCH(QString, reason);
    Game reference;
    const QStringList expected = playAFewWords(reference);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("statistieken.sqlite"));
    if (fault == "damaged") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("SQLite format 3\0 maar verder niets", 34);
    } else if (fault == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    } else if (fault == "device") {
        QCOMPARE(::symlink("/dev/null", QFile::encodeName(path).constData()), 0);
    } else if (fault != "none") {
        // A database of the current version with a memory visit in it.
        stats::Store store(path);
        qint64 id = 0;
        QVERIFY(store.saveVisit(id, 0, 3));
    }
    if (fault == "foreign" || fault == "newer") {
        Connection other(path);
        QVERIFY(other.exec(fault == "newer" ? QStringLiteral("PRAGMA user_version = 99")
                                            : QStringLiteral("PRAGMA user_version = 0")));
    }
    if (fault == "fifo-wal") {
        QCOMPARE(::mkfifo(QFile::encodeName(path + "-wal").constData(), 0644), 0);
    }
    const bool regular = fault != "fifo" && fault != "device";
    const QByteArray before = regular ? bytesOf(path) : QByteArray();
    std::optional<Connection> holder;
    if (fault == "locked") {
        holder.emplace(path, QStringLiteral("holder"));
        QVERIFY(holder->exec(QStringLiteral("BEGIN EXCLUSIVE")));
    }
    stats::TypingStatistics statistics(path);
    Game game({"kat", "hond", "vis"}, {"bonuswoord"}, &statistics);
    std::optional<testing::FileSizeLimit> full;
    if (fault == "full") {
        full.emplace(1);  // from here on no file grows
    }
    const QStringList seen = playAFewWords(game);
    statistics.showWindow(game.form());
    full.reset();
    holder.reset();

    QCOMPARE(seen, expected);
    QVERIFY2(statistics.store().failure().contains(reason),
             qPrintable(statistics.store().failure()));
    QCOMPARE(statistics.store().failed(), fault != "none");
    if (fault != "none") {
        QCOMPARE(regular ? bytesOf(path) : QByteArray(), before);
        QVERIFY(base::toQString(statistics.window()->status.caption()).contains(reason));
        QCOMPARE(testing::unfittedTexts(*statistics.window()), QStringList());
    }
}

void StatisticsTest::migrationFromVersionOneKeepsTheData() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("statistieken.sqlite"));
    {
        Connection old(path);
        QSqlDatabase db = old.db();
        QVERIFY(!stats::schema::migrate(db, 0, 1).isValid());
        QVERIFY(old.exec(QStringLiteral(
            "INSERT INTO games VALUES (7, 1000, 60000, 3300, 2, 3, 1, 0, 1, 0, 20, 18, 2, 12)")));
        QVERIFY(
            old.exec(QStringLiteral("INSERT INTO words (game, word, completed, ms, keystrokes, "
                                    "errors) VALUES (7, 'kat', 1, 900, 3, 0), "
                                    "(7, 'hond', 1, 1200, 5, 1), (7, 'vis', 0, 9000, 2, 1), "
                                    "(7, 'hond', 0, 9000, 1, 1), (7, 'vis', 1, 800, 3, 0)")));
        QVERIFY(old.exec(QStringLiteral("INSERT INTO memory_visits VALUES (1, 1000, 4)")));
    }

    stats::Store store(path);
    const stats::Summary summary = store.summary();
    QVERIFY2(!store.failed(), qPrintable(store.failure()));
    QCOMPARE(summary.bests.games, 1);
    QVERIFY(summary.lastGame);
    QCOMPARE(summary.lastGame->id, 7);
    QCOMPARE(summary.lastGame->score, 3300);
    QCOMPARE(summary.lastGame->correct, 18);
    // Its figures, stored with it by the migration: 12 characters in a minute, 18 of 20.
    QCOMPARE(summary.progress.size(), std::size_t(1));
    QCOMPARE(summary.progress[0].wordsPerMinute, 2.4);
    QCOMPARE(summary.progress[0].accuracy, 90.0);
    QCOMPARE(summary.bests.longestSequence, 4);
    QCOMPARE(summary.troublesome.size(), std::size_t(2));
    QCOMPARE(summary.troublesome[0].word, QStringLiteral("hond"));
    QCOMPARE(summary.troublesome[0].missed + summary.troublesome[0].mistyped, 2);
    QCOMPARE(summary.troublesome[1].word, QStringLiteral("vis"));
    QCOMPARE(summary.troublesome[1].missed, 1);
    QVERIFY(summary.keys.empty());
    Connection migrated(path, QStringLiteral("migrated"));
    QCOMPARE(migrated.column(QStringLiteral("PRAGMA user_version")),
             QVariantList({stats::schema::kCurrentVersion}));
    QCOMPARE(migrated.column(QStringLiteral("SELECT COUNT(*) FROM words")), QVariantList({5}));
}

QTEST_MAIN(StatisticsTest)
#include "tst_statistics.moc"
