// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/text.h"
#include "game.h"
#include "practice/plan.h"
#include "practice/practice_texts.h"
#include "practice/window.h"
#include "stats/store.h"
#include "stats/typingstatistics.h"
#include "stats/window.h"

#include <QAccessible>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <set>

using testing::Game;

namespace {

// Keys as the games counted them: q wrong half the time, z a fifth, a once in a hundred;
// x wrong nine times in ten but typed too seldom to tell; e never wrong.
stats::KeyTallies gameKeys() {
    stats::KeyTallies keys{};
    keys['q'] = {30, 15};
    keys['z'] = {40, 8};
    keys['a'] = {100, 1};
    keys['x'] = {10, 9};
    keys['e'] = {50, 0};
    return keys;
}

// Three games: kat missed and hond mistyped (e typed as r) in each, vis missed once; each game
// typed at `wordsPerMinute`.
void playGames(stats::Store& store, double wordsPerMinute = 60) {
    const stats::KeyTallies keys = gameKeys();
    for (int i = 0; i < 3; ++i) {
        const qint64 ms = std::llround(60000.0 / wordsPerMinute);  // one five-letter word
        stats::GameRecord game{.started = 1'700'000'000'000 + i, .keystrokes = 5, .correct = 5};
        stats::WordRecord kat{"kat", false, 4000, 0, 0};
        stats::WordRecord hond{"hond", true, 3000, 5, 1};
        hond.confusions[0] = {'e', 'r'};
        hond.confusionCount = 1;
        QVERIFY(store.saveWord(game, kat, i == 0 ? keys : stats::KeyTallies{}));
        QVERIFY(store.saveWord(game, hond, {}));
        if (i == 2) {
            QVERIFY(store.saveWord(game, {"vis", false, 3000, 0, 0}, {}));
        }
        game.activeMs = ms;
        game.characters = 5;
        QVERIFY(store.saveGame(game));
    }
}

base::TextLines listOf(const std::vector<std::string>& words) {
    base::TextLines lines;
    for (const std::string& word : words) {
        lines.lines.push_back({static_cast<std::uint32_t>(lines.text.size()),
                               static_cast<std::uint32_t>(word.size())});
        lines.text += word;
    }
    return lines;
}

stats::PracticeWord clean(const std::string& word) {
    return {word, true, true, 800, static_cast<int>(word.size()), 0, 30};
}

QString caption(const ui::Label& label) {
    return base::toQString(label.caption());
}

// Whether a word of `characters` at `pace` reaches the line no sooner than the pace's
// typing time and no later than a second and a tick after it.
bool fairSpeed(const practice::Pace& pace, int characters, int distance) {
    const std::int32_t speed = pace.speedFor(characters, distance, 16);
    const double ticks = std::ceil(static_cast<double>(distance) / speed);
    const double typing = characters / 5.0 / pace.wordsPerMinute() * 60000.0;
    return ticks * 16 >= typing && ticks * 16 <= typing + 1000 + 16;
}

}  // namespace

class PracticeTest : public QObject {
    Q_OBJECT
private slots:
    void runIsBuiltFromMistakes();
    void paceFollowsThePlayer();
    void practiceLeavesTheGamesFiguresAlone();
    void beforeAnyHistoryNothingFake();
    void scriptedRun();
    void statisticsOpensItAndShowsRunsApart();
};

void PracticeTest::runIsBuiltFromMistakes() {
    QTemporaryDir folder;
    stats::Store store(folder.filePath(QStringLiteral("statistieken.sqlite")));
    playGames(store);
    const std::optional<stats::PracticeHistory> history = store.practiceHistory();
    QVERIFY(history);

    QString weak;
    for (const practice::WeakKey& key : practice::weakKeys(*history)) {
        weak += key.character;
    }
    QCOMPARE(weak, QStringLiteral("qzae"));  // by error rate, then the confused e; never x

    const base::TextLines list =
        listOf({"quiz", "zee", "aap", "boom", "xxx", "tol", "kat", "q", "nu", "za\x01", "qa\tz"});
    std::set<std::vector<std::string>> runs;
    for (std::uint32_t seed = 1; seed <= 8; ++seed) {
        std::mt19937 random(seed);
        const std::vector<practice::PlannedWord> run = practice::planRun(*history, list, random);
        QCOMPARE(run.size(), std::size_t(practice::kRunWords));
        std::set<std::string> mistakes, fromList;
        std::vector<std::string> order;
        for (const practice::PlannedWord& word : run) {
            (word.fromMistakes ? mistakes : fromList).insert(word.word);
            order.push_back(word.word);
        }
        QCOMPARE(mistakes, (std::set<std::string>{"hond", "kat", "vis"}));
        // Only list words with a weak key; none shorter than two, none already a mistake,
        // none with a control character.
        QCOMPARE(fromList, (std::set<std::string>{"quiz", "zee", "aap"}));
        runs.insert(order);
    }
    QVERIFY2(runs.size() > 1, "runs differ from one to the next");

    // Twice right without a slip in a row takes a word off; a slip in a game puts it back.
    stats::PracticeRun run;
    stats::PracticeWord slipped = clean("vis");
    slipped.errors = 1;
    for (const auto& [word, streak] :
         {std::pair{clean("vis"), 1}, {slipped, 0}, {clean("vis"), 1}, {clean("vis"), 2}}) {
        QCOMPARE(store.savePracticeWord(run, word, {}), std::optional<int>(streak));
    }
    const auto practised = [&] {
        QStringList words;
        const std::optional<stats::PracticeHistory> now = store.practiceHistory();
        for (const auto& word : now->words) {
            words << word.word;
        }
        return words;
    };
    QCOMPARE(practised(), QStringList({QStringLiteral("hond"), QStringLiteral("kat")}));
    stats::GameRecord game{.started = 1};
    QVERIFY(store.saveWord(game, {"vis", true, 900, 4, 1}, {}));
    QVERIFY(practised().contains(QStringLiteral("vis")));
}

void PracticeTest::paceFollowsThePlayer() {
    stats::PracticeHistory history;
    QCOMPARE(practice::Pace::fromRecentGames(history).wordsPerMinute(), practice::Pace::kFirstRun);
    history.recentGames = 10;
    history.recentWordsPerMinute = 40;
    practice::Pace pace = practice::Pace::fromRecentGames(history);
    QCOMPARE(pace.wordsPerMinute(), 32.0);
    for (const int characters : {1, 5, 20}) {
        QVERIFY(fairSpeed(pace, characters, 8040));
    }
    pace.afterWord(true, 0.6);  // early
    QCOMPARE(pace.wordsPerMinute(), 32.0 * 1.1);
    pace.afterWord(true, 0.4);  // in time
    QCOMPARE(pace.wordsPerMinute(), 32.0 * 1.1);
    pace.afterWord(true, 0.1);  // just in time
    QCOMPARE(pace.wordsPerMinute(), 32.0 * 1.1 * 0.95);
    pace.afterWord(false, 0);
    QCOMPARE(pace.wordsPerMinute(), 32.0 * 1.1 * 0.95 * 0.8);
    for (int i = 0; i < 40; ++i) {
        pace.afterWord(false, 0);
    }
    QCOMPARE(pace.wordsPerMinute(), practice::Pace::kSlowest);
    QVERIFY(fairSpeed(practice::Pace(practice::Pace::kFastest), 20, 8040));
}

void PracticeTest::practiceLeavesTheGamesFiguresAlone() {
    QTemporaryDir folder;
    stats::Store store(folder.filePath(QStringLiteral("statistieken.sqlite")));
    playGames(store);
    const stats::Summary before = store.summary();
    stats::PracticeRun run{.started = 5, .startPace = 30};
    stats::KeyTallies keys{};
    keys['k'] = {1, 1};
    QVERIFY(store.savePracticeWord(run, {"kat", true, false, 2000, 4, 1, 30}, keys));
    QVERIFY(store.savePracticeWord(run, {"quiz", false, false, 3000, 0, 0, 24}, {}));
    const stats::Summary after = store.summary();
    QCOMPARE(after.bests.games, before.bests.games);
    QCOMPARE(after.lastGame->id, before.lastGame->id);
    QCOMPARE(after.lastTen.wordsPerMinute, before.lastTen.wordsPerMinute);
    QCOMPARE(after.lastTen.accuracy, before.lastTen.accuracy);
    QCOMPARE(after.progress.size(), before.progress.size());
    QCOMPARE(after.troublesome.size(), before.troublesome.size());
    for (std::size_t i = 0; i < after.troublesome.size(); ++i) {
        QCOMPARE(after.troublesome[i].missed, before.troublesome[i].missed);
        QCOMPARE(after.troublesome[i].mistyped, before.troublesome[i].mistyped);
    }
    QCOMPARE(after.keys.size(), before.keys.size());
    for (std::size_t i = 0; i < after.keys.size(); ++i) {
        QCOMPARE(after.keys[i].tally.attempts, before.keys[i].tally.attempts);
    }
    QCOMPARE(after.practiceRunCount, 1);
    QCOMPARE(after.practiceRuns.front().id, run.id);
    QCOMPARE(after.practiceRuns.front().started, 5);
}

void PracticeTest::beforeAnyHistoryNothingFake() {
    QTemporaryDir folder;
    const QString database = folder.filePath(QStringLiteral("statistieken.sqlite"));
    stats::Store store(database);
    QFile list(folder.filePath(QStringLiteral("woordenlijst.txt")));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("quiz\r\nzee\r\n");
    list.close();
    practice::PracticeWindow window(store, list.fileName());
    QWidget game;
    window.open(game, game.rect());
    QCOMPARE(window.intro.caption(), std::string(practice_texts::kNothingYet));
    QVERIFY(!window.begin.isEnabled());
    QVERIFY(window.planned().empty());
    QTest::keyClick(&window, Qt::Key_Return);
    QVERIFY(!window.running());
    QVERIFY2(!QFile::exists(database), "looking creates no database");
    QVERIFY2(testing::unfittedTexts(window).isEmpty(),
             qPrintable(testing::unfittedTexts(window).join(QStringLiteral(", "))));
}

// A run as a player plays it, with the game running beside it: the first word typed with
// a slip, one left to reach the line, the others typed at once; Esc after six words. The
// figures shown are computed here from what was typed.
void PracticeTest::scriptedRun() {
    QTemporaryDir folder;
    stats::Store store(folder.filePath(QStringLiteral("statistieken.sqlite")));
    playGames(store, 150);  // a fast typist: the missed word reaches the line in a second
    QFile list(folder.filePath(QStringLiteral("woordenlijst.txt")));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("quiz\r\nzee\r\naap\r\nboom\r\n");
    list.close();
    const QByteArray listBefore = [&] {
        list.open(QIODevice::ReadOnly);
        return list.readAll();
    }();
    list.close();

    Game game;
    game.startWord(0);
    const std::string gameWord = game->currentWord;
    practice::PracticeWindow window(store, list.fileName(), 7);
    window.open(game.form(), game->keptFree());
    QVERIFY(window.begin.isEnabled());
    QVERIFY(caption(window.intro).contains(QStringLiteral("zwakke toetsen q, z, a, e")));
    QTest::keyClick(&window, Qt::Key_Return);
    QVERIFY(window.running());

    double pace = 150 * 0.8;
    int firstTime = 0;
    std::map<char, std::pair<int, int>> typedKeys;  // due key: attempts, errors
    const std::vector<practice::PlannedWord> planned = window.planned();
    for (std::size_t i = 0; i < 6; ++i) {
        const std::string word = planned[i].word;
        QCOMPARE(window.word.caption(), word);
        QCOMPARE(caption(window.progress),
                 QStringLiteral("Nog %1 van 20 woorden, %2 in \u00e9\u00e9n keer goed")
                     .arg(20 - i)
                     .arg(firstTime));
        QCOMPARE(caption(window.pace),
                 QStringLiteral("Tempo %1 woorden per minuut").arg(std::lround(pace)));
        if (i == 3) {
            QTRY_VERIFY_WITH_TIMEOUT(window.word.caption() != word, 5000);
            QCOMPARE(caption(window.feedback), QStringLiteral("Gemist: ") + base::toQString(word));
            pace *= 0.8;
            continue;
        }
        if (i == 0) {
            QTest::keyClick(&window.typing, '#');
            QTest::keyClick(&window.typing, Qt::Key_Backspace);
            ++typedKeys[word[0]].first;
            ++typedKeys[word[0]].second;
        } else {
            ++firstTime;
        }
        for (const char c : word) {
            ++typedKeys[c].first;
        }
        QTest::keyClicks(&window.typing, QString::fromLatin1(word.c_str()));
        pace *= 1.1;  // typed at once: the word had nearly all its way to go
        QCOMPARE(
            caption(window.feedback),
            QString::fromLatin1(i == 0 ? practice_texts::kRightAfterSlip : practice_texts::kRight));
    }
    QTest::keyClick(&window.typing, Qt::Key_Escape);
    QVERIFY(!window.running());
    QCOMPARE(caption(window.progress),
             QStringLiteral("Gestopt na 6 van 20 woorden, %1 in \u00e9\u00e9n keer goed.")
                 .arg(firstTime));
    QCOMPARE(caption(window.pace),
             QStringLiteral("Tempo aan het eind %1 woorden per minuut").arg(std::lround(pace)));
    QCOMPARE(window.results.rowCount(), 6);
    QCOMPARE(window.results.item(0, 1)->text(), QStringLiteral("goed, met fouten"));
    QCOMPARE(window.results.item(3, 1)->text(), QStringLiteral("gemist"));
    QCOMPARE(window.results.item(1, 1)->text(), QStringLiteral("in \u00e9\u00e9n keer goed"));
    // The weak keys: their rate in games, then in this run, as typed above.
    for (const auto& [key, rate] : {std::pair{'q', 50.0}, {'z', 20.0}, {'a', 1.0}, {'e', 0.0}}) {
        const auto& [attempts, errors] = typedKeys[key];
        const QString games = QString::number(rate, 'f', 1).replace('.', ',') + '%';
        const QString name = key == 'e' ? QStringLiteral("e (vaak r getypt)") : QString(key);
        const QString expected =
            attempts == 0
                ? QStringLiteral("%1 %2, nu niet getypt").arg(name, games)
                : QStringLiteral("%1 %2, nu %3%")
                      .arg(name, games,
                           QString::number(100.0 * errors / attempts, 'f', 1).replace('.', ','));
        QVERIFY2(caption(window.keysChange).contains(expected), qPrintable(expected));
    }

    // Kept as practice, apart from the games; the game and its list as they were.
    const stats::Summary summary = store.summary();
    QCOMPARE(summary.bests.games, 3);
    QCOMPARE(summary.practiceRunCount, 1);
    QCOMPARE(summary.practiceRuns.front().words, 6);
    QCOMPARE(summary.practiceRuns.front().firstTime, firstTime);
    QCOMPARE(summary.practiceRuns.front().missed, 1);
    QCOMPARE(game->currentWord, gameWord);
    QVERIFY(game->Timer1.enabled());
    QVERIFY(game->invoer.textIs(""));
    QVERIFY(list.open(QIODevice::ReadOnly));
    QCOMPARE(list.readAll(), listBefore);

    // What a screen reader meets, and every text in its box.
    QVERIFY2(testing::unfittedTexts(window).isEmpty(),
             qPrintable(testing::unfittedTexts(window).join(QStringLiteral(", "))));
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const QString name = control->objectName();
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_"))) {
            QVERIFY2(accessible && accessible->role() != QAccessible::NoRole &&
                         !accessible->text(QAccessible::Name).trimmed().isEmpty(),
                     qPrintable(name));
        }
    }
    if (const QByteArray shots = qgetenv("TOETSRACE_SCREENSHOTS"); !shots.isEmpty()) {
        window.grab().save(QStringLiteral("%1/practice-end-scale%2.png")
                               .arg(QString::fromLocal8Bit(shots))
                               .arg(window.devicePixelRatio()));
    }
}

void PracticeTest::statisticsOpensItAndShowsRunsApart() {
    QTemporaryDir folder;
    stats::TypingStatistics statistics(folder.filePath(QStringLiteral("statistieken.sqlite")));
    playGames(statistics.store());
    stats::PracticeRun run{.started = 1'700'000'000'000,
                           .words = 20,
                           .firstTime = 13,
                           .startPace = 30,
                           .endPace = 36.4};
    QVERIFY(statistics.store().savePracticeWord(run, clean("kat"), {}));
    int asked = 0;
    statistics.offerPractice([&] { ++asked; });
    QWidget game;
    statistics.showWindow(game);
    stats::StatisticsWindow& window = *statistics.window();
    window.practise.click();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F3);
    QCOMPARE(asked, 2);
    QCOMPARE(window.practiceRuns.rowCount(), 1);
    QCOMPARE(window.practiceRuns.item(0, 2)->text(), QStringLiteral("13"));
    QCOMPARE(window.practiceRuns.item(0, 3)->text(), QStringLiteral("30 \u2013 36"));
    QCOMPARE(window.games.value.caption(), std::string("3"));  // the games alone
}

QTEST_MAIN(PracticeTest)
#include "tst_practice.moc"
