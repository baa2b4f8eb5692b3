// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

// How long "Oefenen" takes to open: reading what the run is built from out of
// statistieken.sqlite, reading woordenlijst.txt, planning the run and showing the window,
// in the given folder (which holds both). Prints each of five openings and the run the
// last one planned, with where each word came from. With --play, a scripted player then
// plays that run at the given words per minute, slipping on every fourth word and
// stopping for two seconds before the seventh; each word's pace and outcome is printed.
// Usage: practice_open <folder> [--play <words per minute>]

#include "base/text.h"
#include "practice/window.h"
#include "timing.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using bench::Clock;
using bench::msSince;

int main(int argc, char* argv[]) {
    bench::preferOffscreen();
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: practice_open <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    stats::Store store(folder.filePath(QStringLiteral("statistieken.sqlite")));
    practice::PracticeWindow window(store, folder.filePath(QStringLiteral("woordenlijst.txt")), 1);
    QWidget game;
    game.resize(716, 404);
    game.show();
    QApplication::processEvents();

    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        window.hide();
        QApplication::processEvents();
        const auto start = Clock::now();
        window.open(game, game.rect());
        QApplication::processEvents();
        times.push_back(msSince(start));
        std::printf("open_%d_ms %.1f\n", i + 1, times.back());
    }
    std::sort(times.begin(), times.end());
    std::printf("open_median_ms %.1f\n", times[times.size() / 2]);
    std::printf("intro %s\n", base::toQString(window.intro.caption()).toUtf8().constData());
    for (const practice::PlannedWord& word : window.planned()) {
        std::printf("word %s %s\n", word.fromMistakes ? "mistake" : "weak-keys",
                    base::toQString(word.word).toUtf8().constData());
    }
    if (argc < 4 || std::strcmp(argv[2], "--play") != 0) {
        return 0;
    }
    const double typist = std::atof(argv[3]);
    QTest::keyClick(&window, Qt::Key_Return);
    for (std::size_t i = 0; window.running(); ++i) {
        const std::string word = window.word.caption();
        const double pace = window.currentPace();
        QTest::qWait(static_cast<int>(word.size() / 5.0 / typist * 60000) + (i == 6 ? 2000 : 0));
        const bool missed = window.word.caption() != word || !window.running();
        if (!missed) {
            if (i % 4 == 3) {
                QTest::keyClick(&window.typing, '#');
                QTest::keyClick(&window.typing, Qt::Key_Backspace);
            }
            QTest::keyClicks(&window.typing, base::toQString(word));
        }
        // After the last word the window shows the table, and the next run's pace.
        const QString outcome = window.running()
                                    ? base::toQString(window.feedback.caption())
                                    : window.results.item(window.results.rowCount() - 1, 1)->text();
        std::printf("run %2zu %-14s pace %5.1f%s  %s\n", i + 1,
                    base::toQString(word).toUtf8().constData(), pace,
                    window.running()
                        ? qPrintable(QStringLiteral(" -> %1").arg(window.currentPace(), 5, 'f', 1))
                        : "",
                    outcome.toUtf8().constData());
    }
    std::printf("end %s\n", base::toQString(window.progress.caption()).toUtf8().constData());
    std::printf("keys %s\n", base::toQString(window.keysChange.caption()).toUtf8().constData());
    return 0;
}
