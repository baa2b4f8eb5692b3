// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/text.h"
#include "game.h"
#include "memory/form2.h"
#include "stats/stats_texts.h"
#include "stats/typingstatistics.h"
#include "stats/window.h"
#include "ui/placement.h"

#include <QAccessible>
#include <QLineSeries>
#include <QtTest>

using testing::Game;

namespace {

// A history with the widest figures a player might reach.
void fillHistory(stats::Store& store) {
    stats::KeyTallies keys{};
    for (unsigned char key : std::string("abcdefghijklmnopqrstuvwxyz;,.'")) {
        keys[key] = {100, key % 30u};
    }
    for (int i = 0; i < 3; ++i) {
        stats::GameRecord game{.started = 1'700'000'000'000 + i * 86'400'000LL,
                               .activeMs = 61'000,
                               .score = 12'345'678,
                               .level = 999,
                               .completed = 9999,
                               .missed = 9999,
                               .keystrokes = 100'000,
                               .correct = 99'999,
                               .characters = 1'000'000};
        QVERIFY(
            store.saveWord(game, {"arbeidsongeschiktheidsverzekering", false, 9000, 5, 2}, keys));
        QVERIFY(store.saveWord(game, {"kat", true, 900, 4, 1}, keys));
    }
    qint64 visit = 0;
    QVERIFY(store.saveVisit(visit, 0, 12345));
}

QString nameOf(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

QAccessible::Role roleOf(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->role() : QAccessible::NoRole;
}

// Controls without their role or a name, and frame captions wider than their frames.
QStringList problems(stats::StatisticsWindow& window) {
    QStringList wrong;
    const auto expect = [&](QWidget* control, QAccessible::Role role) {
        if (roleOf(control) != role) {
            wrong << control->objectName() + QStringLiteral(" (role)");
        }
    };
    expect(&window, QAccessible::Window);
    expect(&window.chart, QAccessible::Chart);
    expect(&window.keyboard, QAccessible::Graphic);
    expect(&window.troublesomeWords, QAccessible::Table);
    for (ui::Label* label : window.findChildren<ui::Label*>()) {
        expect(label, QAccessible::StaticText);
    }
    for (ui::Frame* frame : window.findChildren<ui::Frame*>()) {
        expect(frame, QAccessible::Grouping);
        if (frame->fontMetrics().horizontalAdvance(frame->title()) + 16 > frame->width()) {
            wrong << frame->objectName() + QStringLiteral(" (caption)");
        }
    }
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const QString name = control->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) &&
            nameOf(control).trimmed().isEmpty()) {
            wrong << name + QStringLiteral(" (name)");
        }
    }
    return wrong;
}

// One game as the store keeps it: `words` completed of `length` characters each, typed in
// `ms` with `slips` wrong keys among `keys`.
struct Played {
    int words;
    qint64 ms;
    qint64 keys;
    qint64 slips;
    qint64 score;
    bool god = false;
    int level = 1;
};

void store(stats::Store& store, const Played& played) {
    stats::GameRecord game{.activeMs = played.ms,
                           .score = played.score,
                           .level = played.level,
                           .completed = played.words,
                           .godMode = played.god,
                           .keystrokes = played.keys,
                           .correct = played.keys - played.slips,
                           .characters = played.words * 5};
    QVERIFY(store.saveWord(game, {"woord", true, played.ms, 5, 0}, {}));
    QVERIFY(store.saveGame(game));
}

// Dutch, one decimal, as the player reads figures.
QString shown(double value) {
    return QString::number(std::round(value * 10) / 10, 'f', 1)
        .replace(QLatin1Char('.'), QLatin1Char(','));
}

QString difference(double now, double before) {
    return (now >= before ? QStringLiteral("+") : QString()) + shown(now - before);
}

double speedOf(const Played& game) {
    return game.words * 5 / 5.0 / (game.ms / 60000.0);  // a word is five characters
}

double accuracyOf(const Played& game) {
    return 100.0 * (game.keys - game.slips) / game.keys;
}

}  // namespace

class StatisticsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void withoutHistoryAFriendlyText();
    void textsFitAndControlsHaveRolesAndNames_data();
    void textsFitAndControlsHaveRolesAndNames();
    void f2OpensOneWindowFromEitherGame();
    void figuresAreTheGamesOwn();
    void placedOffTheLane();
};

void StatisticsWindowTest::withoutHistoryAFriendlyText() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("statistieken.sqlite"));
    stats::TypingStatistics statistics(path);
    QWidget game;
    statistics.showWindow(game);
    stats::StatisticsWindow& window = *statistics.window();
    QVERIFY(window.isVisible());
    QVERIFY(window.empty.isVisible());
    QCOMPARE(window.empty.caption(), std::string(stats_texts::kEmpty));
    QVERIFY(!window.tabs.isVisible());
    QVERIFY2(!QFile::exists(path), "looking creates no database");
}

void StatisticsWindowTest::textsFitAndControlsHaveRolesAndNames_data() {
    QTest::addColumn<bool>("history");
    QTest::newRow("without history") << false;
    QTest::newRow("with history") << true;
}

void StatisticsWindowTest::textsFitAndControlsHaveRolesAndNames() {
    QFETCH(bool, history);
    QTemporaryDir folder;
    stats::TypingStatistics statistics(folder.filePath(QStringLiteral("statistieken.sqlite")));
    if (history) {
        fillHistory(statistics.store());
    }
    QWidget game;
    statistics.showWindow(game);
    stats::StatisticsWindow& window = *statistics.window();
    QCOMPARE(window.tabs.isVisible(), history);
    if (history) {
        QCOMPARE(window.lastWords.value.caption(), std::string("9999 getypt, 9999 gemist"));
        QCOMPARE(window.troublesomeWords.rowCount(), 2);
        QCOMPARE(window.chart.wordsPerMinute().count(), 3);
        QVERIFY(window.keyboard.errorRate(QChar(u'a')) > 0);
    }
    QCOMPARE(testing::unfittedTexts(window), QStringList());
    QCOMPARE(problems(window), QStringList());
}

void StatisticsWindowTest::f2OpensOneWindowFromEitherGame() {
    QTemporaryDir folder;
    stats::TypingStatistics statistics(folder.filePath(QStringLiteral("statistieken.sqlite")));
    Game game({"kat", "hond", "vis"}, {"bonuswoord"}, &statistics);
    game->show();
    QApplication::setActiveWindow(&game.form());
    game.startWord(1);

    QTest::keyClick(&game->invoer, Qt::Key_F2);
    stats::StatisticsWindow* window = statistics.window();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Statistieken"));
    QCOMPARE(window->windowModality(), Qt::NonModal);
    // The game runs on behind it, and F2 typed nothing.
    QVERIFY(game->Timer1.enabled());
    QCOMPARE(game->invoer.text(), std::string());

    QApplication::setActiveWindow(&game.form());
    QTest::keyClick(&game->invoer, Qt::Key_F2);
    QCOMPARE(statistics.window(), window);

    window->close();
    game->Command5_Click();
    QApplication::setActiveWindow(game->memoryWindow.get());
    QTest::keyClick(&game->memoryWindow->Text1, Qt::Key_F2);
    QCOMPARE(statistics.window(), window);
    QVERIFY(window->isVisible());
    int windows = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        windows += qobject_cast<stats::StatisticsWindow*>(top) != nullptr;
    }
    QCOMPARE(windows, 1);
}

// Records come from games played without /god and of ten words or more; the last game is
// set against the one before and the average of the last ten.
void StatisticsWindowTest::figuresAreTheGamesOwn() {
    QTemporaryDir folder;
    stats::TypingStatistics statistics(folder.filePath(QStringLiteral("statistieken.sqlite")));
    // Six older games, then the five the figures come from.
    std::vector<Played> games(6, Played{10, 60'000, 50, 5, 100});
    games.insert(games.end(), {
                                  {12, 60'000, 70, 7, 5000},              // counts: 12 wpm, 90%
                                  {40, 60'000, 200, 0, 99'000, true, 9},  // god mode: no record
                                  {3, 6000, 15, 0, 1000},                 // 30 wpm, 100%, too short
                                  {20, 50'000, 110, 4, 7000},             // counts: 24 wpm
                                  {10, 40'000, 52, 1, 6000},  // the last: the best accuracy
                              });
    for (const Played& game : games) {
        store(statistics.store(), game);
    }
    QWidget beside;
    statistics.showWindow(beside);
    stats::StatisticsWindow& window = *statistics.window();
    const auto text = [](const ui::Label& label) { return base::toQString(label.caption()); };
    const Played& last = games[10];
    const Played& before = games[9];
    QCOMPARE(text(window.lastWordsPerMinute.value),
             shown(speedOf(last)) + " (" + difference(speedOf(last), speedOf(before)) + ")");
    QCOMPARE(
        text(window.lastAccuracy.value),
        shown(accuracyOf(last)) + "% (" + difference(accuracyOf(last), accuracyOf(before)) + ")");
    QCOMPARE(text(window.bestWordsPerMinute.value), shown(speedOf(before)));
    QCOMPARE(text(window.bestAccuracy.value), shown(accuracyOf(last)) + "%");
    QCOMPARE(text(window.bestScore.value), QStringLiteral("7000"));
    QCOMPARE(text(window.bestLevel.value), QStringLiteral("1"));
    QCOMPARE(text(window.games.value), QStringLiteral("11"));
    double speeds = 0;
    double accuracies = 0;
    for (std::size_t i = 1; i < games.size(); ++i) {
        speeds += speedOf(games[i]);
        accuracies += accuracyOf(games[i]);
    }
    QVERIFY2(text(window.lastSummary)
                 .startsWith(QStringLiteral("Gemiddelde van de laatste 10 spellen: %1 woorden per "
                                            "minuut, %2% nauwkeurig.")
                                 .arg(shown(speeds / 10), shown(accuracies / 10))),
             qPrintable(text(window.lastSummary)));
    QVERIFY2(text(window.lastSummary).endsWith(QStringLiteral("Nieuw record: nauwkeurigheid.")),
             qPrintable(text(window.lastSummary)));

    // A fast game of five words breaks no record.
    store(statistics.store(), {5, 5000, 25, 0, 90'000});
    window.refresh();
    QCOMPARE(window.lastSummary.caption().substr(window.lastSummary.caption().rfind('\n') + 1),
             std::string(stats_texts::kShortGame));

    // A slow game of ten words breaks none either; its keys: 'q' due 19 times, all wrong,
    // stays grey, 'w' due 20 times, 5 wrong, gets its colour; 'r' typed for 't' in three
    // words is named, 'x' for 'y' in two is not.
    stats::KeyTallies keys{};
    keys['q'] = {19, 19};
    keys['w'] = {20, 5};
    stats::GameRecord slow{
        .activeMs = 600'000, .completed = 10, .keystrokes = 100, .correct = 50, .characters = 50};
    for (int word = 0; word < 3; ++word) {
        stats::WordRecord typed{"toets", true, 1000, 5, 1};
        typed.confusions[0] = {'t', 'r'};
        typed.confusions[1] = {'y', 'x'};
        typed.confusionCount = word < 2 ? 2 : 1;
        QVERIFY(statistics.store().saveWord(slow, typed, word == 0 ? keys : stats::KeyTallies{}));
    }
    window.refresh();
    QVERIFY2(!text(window.lastSummary).contains(base::toQString(stats_texts::kNewRecord)),
             qPrintable(text(window.lastSummary)));
    QVERIFY(window.keyboard.errorRate(QChar(u'q')) < 0);
    QCOMPARE(window.keyboard.errorRate(QChar(u'w')), 0.25);
    QCOMPARE(text(window.mixups), QStringLiteral("Je typt vaak r waar t hoort."));

    // A game without a keystroke has no figures to show; only its words and score.
    stats::GameRecord idle{.missed = 1};
    QVERIFY(statistics.store().saveWord(idle, {"woord", false, 0, 0, 0}, {}));
    window.refresh();
    QCOMPARE(window.lastWordsPerMinute.value.caption(), std::string(stats_texts::kNone));
    QCOMPARE(window.lastAccuracy.value.caption(), std::string(stats_texts::kNone));
    QCOMPARE(text(window.bestWordsPerMinute.value), shown(speedOf(before)));
}

// The window covers none of the lane where the screen has room, and as little as it can
// where it has not; F2 leaves the keyboard with the game.
void StatisticsWindowTest::placedOffTheLane() {
    // The game centred on the screen, its lane and all below it 166 px from its top.
    const QSize size(536, 432);
    const auto covered = [&](const QRect& screen) {
        QRect game(0, 0, 740, 430);
        game.moveCenter(screen.center());
        const QRect lane = game.adjusted(0, 166, 0, 0);
        const QRect placed(ui::placeApart(game, lane, size, screen), size);
        if (!screen.contains(placed)) {
            return -1;
        }
        return placed.intersected(lane).isEmpty() ? 0 : placed.intersected(lane).height();
    };
    QCOMPARE(covered(QRect(0, 0, 1920, 1080)), 0);  // beside
    QCOMPARE(covered(QRect(0, 0, 1280, 1024)), 0);  // above, over the score only
    // 1366x768: no room anywhere; it covers the lane only as far as it must, from the top
    // of the screen down.
    QCOMPARE(covered(QRect(0, 0, 1366, 768)), size.height() - ((768 - 430) / 2 + 166));

    QTemporaryDir folder;
    stats::TypingStatistics statistics(folder.filePath(QStringLiteral("statistieken.sqlite")));
    Game played({"kat", "hond", "vis"}, {"bonuswoord"}, &statistics);
    played->show();
    QApplication::setActiveWindow(&played.form());
    played.startWord(1);
    QTest::keyClick(&played->invoer, Qt::Key_F2);
    QVERIFY(statistics.window()->isVisible());
    QCOMPARE(QApplication::focusWidget(), &played->invoer);
    QTest::keyClicks(&played->invoer, QStringLiteral("ka"));
    QCOMPARE(played->invoer.text(), std::string("ka"));

    // A desktop that gives the new window the keyboard (Wayland) or a click in it: what the
    // player types still goes into the word, but Space on its button presses the button.
    int practised = 0;
    statistics.offerPractice([&] { ++practised; });
    stats::StatisticsWindow& window = *statistics.window();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.troublesomeWords.setFocus();
    QTest::keyClicks(&window.troublesomeWords, QStringLiteral("x"));
    QTest::keyClick(&window.troublesomeWords, Qt::Key_Backspace);
    QTest::keyClicks(&window.troublesomeWords, QStringLiteral("y"));
    QTest::keyClick(&window.practise, Qt::Key_Space);
    QCOMPARE(played->invoer.text(), std::string("kay"));
    QCOMPARE(practised, 1);
}

QTEST_MAIN(StatisticsWindowTest)
#include "tst_statisticswindow.moc"
