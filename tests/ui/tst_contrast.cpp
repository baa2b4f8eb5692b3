// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/frmabout.h"
#include "game.h"
#include "memory/form2.h"
#include "practice/window.h"
#include "stats/typingstatistics.h"
#include "stats/window.h"
#include "ui/look.h"

#include <QApplication>
#include <QHeaderView>
#include <QTabBar>
#include <QtTest>

#include <map>

using testing::Game;

namespace {

// A dark desktop's colours, as KDE's Breeze Dark gives them.
QPalette darkDesktop() {
    QPalette dark(QColor(49, 54, 59));
    dark.setColor(QPalette::Window, QColor(42, 46, 50));
    dark.setColor(QPalette::Base, QColor(27, 30, 32));
    dark.setColor(QPalette::Button, QColor(49, 54, 59));
    for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(text, QColor(252, 252, 252));
    }
    return dark;
}

// The lowest contrast between a text and what is behind it, measured on the window as it
// is drawn: per control that shows text, the colour most of its pixels have against the
// one that stands out from it most. Controls that are switched off are left out.
struct Lowest {
    double ratio = 21;
    QString where;
};

Lowest lowestContrast(QWidget& window) {
    const QImage drawn = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    Lowest lowest;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const bool text = qobject_cast<ui::Label*>(control) || qobject_cast<ui::Button*>(control) ||
                          qobject_cast<ui::Frame*>(control) || qobject_cast<QTabBar*>(control) ||
                          qobject_cast<QHeaderView*>(control);
        // A button that cannot be pressed is greyed on purpose, as everywhere.
        if (!text || control->window() != &window || !control->isVisibleTo(&window) ||
            !control->isEnabled()) {
            continue;
        }
        if (auto* label = qobject_cast<ui::Label*>(control); label && label->caption().empty()) {
            continue;
        }
        const QRect box(control->mapTo(&window, QPoint(0, 0)), control->size());
        // Frames: only their caption's line.
        const QRect area = qobject_cast<ui::Frame*>(control)
                               ? box.intersected(QRect(box.topLeft(), QSize(box.width(), 14)))
                               : box.intersected(drawn.rect());
        std::map<QRgb, int> counts;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                ++counts[drawn.pixel(x, y)];
            }
        }
        if (counts.size() < 2) {
            continue;  // nothing drawn on it
        }
        const auto behind = std::max_element(counts.begin(), counts.end(), [](auto a, auto b) {
                                return a.second < b.second;
                            })->first;
        double most = 1;
        for (const auto& [colour, count] : counts) {
            most = std::max(most, ui::contrastRatio(QColor(behind), QColor(colour)));
        }
        if (most < lowest.ratio) {
            lowest = {most, window.objectName() + QLatin1Char('/') + control->objectName()};
        }
    }
    return lowest;
}

}  // namespace

class ContrastTest : public QObject {
    Q_OBJECT
private slots:
    void everyWindowReadsOnADarkDesktop();
};

// First as a dark desktop would paint the game without its own look, to show that the
// measure finds the fault; then with the game's look, where every text must read.
void ContrastTest::everyWindowReadsOnADarkDesktop() {
    for (const bool ownLook : {false, true}) {
        QApplication::setPalette(darkDesktop());
        if (ownLook) {
            ui::applyReadableLook();
        }
        QTemporaryDir folder;
        stats::TypingStatistics statistics(folder.filePath(QStringLiteral("statistieken.sqlite")));
        Game game({"kat", "hond", "vis"}, {"bonuswoord"}, &statistics);
        game.startWord(1);
        while (game->snel.x() > game->width() - 100) {
            game->Timer1_Timer();  // the word comes into sight
        }
        game->goedlbl.show();  // green, and Game Over red, over the window's grey
        game->gameover.show();
        game->Command4_Click();
        game->Command5_Click();
        statistics.showWindow(game.form());
        // A practice run with its word on the way.
        stats::GameRecord played{.started = 1};
        QVERIFY(statistics.store().saveWord(played, {"kat", false, 900, 0, 0}, {}));
        practice::PracticeWindow practice(statistics.store(),
                                          folder.filePath(QStringLiteral("woordenlijst.txt")));
        practice.open(game.form(), game->keptFree());
        practice.begin.click();
        QTRY_VERIFY(practice.word.x() < practice.track.width() - 100);
        QWidget* const windows[] = {&game.form(), game->aboutWindow.data(),
                                    game->memoryWindow.get(), statistics.window(), &practice};
        QStringList unreadable;
        for (QWidget* window : windows) {
            QVERIFY(window);
            const Lowest lowest = lowestContrast(*window);
            qInfo("%s lowest contrast %.1f:1 (%s)", ownLook ? "own look" : "dark desktop",
                  lowest.ratio, qPrintable(lowest.where));
            if (lowest.ratio < 4.5) {
                unreadable
                    << QStringLiteral("%1 %2").arg(lowest.where).arg(lowest.ratio, 0, 'f', 1);
            }
        }
        if (ownLook) {
            QCOMPARE(unreadable, QStringList());
        } else {
            QVERIFY2(!unreadable.isEmpty(), "the measure sees black on dark grey");
        }
    }
}

QTEST_MAIN(ContrastTest)
#include "tst_contrast.moc"
