// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/text.h"
#include "game.h"
#include "memory/form2.h"
#include "stats/stats_texts.h"
#include "stats/typingstatistics.h"
#include "stats/window.h"

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

}  // namespace

class StatisticsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void withoutHistoryAFriendlyText();
    void textsFitAndControlsHaveRolesAndNames_data();
    void textsFitAndControlsHaveRolesAndNames();
    void f2OpensOneWindowFromEitherGame();
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

QTEST_MAIN(StatisticsWindowTest)
#include "tst_statisticswindow.moc"
