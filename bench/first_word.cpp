// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

// What the end of a word costs the game while it keeps statistics, on a new profile: the
// first word, whose statistics file does not exist yet, against the words after it. Each
// word is shown, typed key by key over `typing` milliseconds as a player types, and
// completed; only the completion is timed, as the game calls it.
//
// Usage: first_word <empty folder> [words] [typing ms]

#include "stats/typingstatistics.h"
#include "timing.h"

#include <QApplication>
#include <QDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

using bench::Clock;
using bench::msSince;

}  // namespace

int main(int argc, char* argv[]) {
    bench::preferOffscreen();
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: first_word <empty folder> [words] [typing ms]\n");
        return 2;
    }
    const QString path = QDir(QString::fromLocal8Bit(argv[1])).filePath("statistieken.sqlite");
    const int words = argc > 2 ? std::max(2, std::atoi(argv[2])) : 20;
    const int typingMs = argc > 3 ? std::atoi(argv[3]) : 600;
    stats::TypingStatistics statistics(path);
    const QString word = QStringLiteral("toetsenbord");
    std::vector<double> costs;
    for (int i = 0; i < words; ++i) {
        statistics.wordShown(word.toStdString(), false);
        for (qsizetype place = 0; place < word.size(); ++place) {
            std::this_thread::sleep_for(std::chrono::milliseconds(typingMs / word.size()));
            QCoreApplication::processEvents();  // as the game's event loop runs between keys
            statistics.keyPressed({static_cast<int>(place), QStringView(word).mid(place, 1)});
        }
        const auto start = Clock::now();
        statistics.wordCompleted({1100.0 * (i + 1), 1, false});
        costs.push_back(msSince(start));
    }
    std::vector<double> later(costs.begin() + 1, costs.end());
    std::sort(later.begin(), later.end());
    std::printf("first_word_ms %.2f\nlater_median_ms %.2f\nlater_slowest_ms %.2f\n", costs[0],
                later[later.size() / 2], later.back());
    return statistics.store().failed() ? 1 : 0;
}
