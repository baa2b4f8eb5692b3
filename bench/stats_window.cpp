// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the "Statistieken" window takes to open with a long history. Fills
// statistieken.sqlite in the given folder with that many games of about twenty words each,
// through the store's own per-word transactions, unless it holds games already; then opens
// the window beside a stand-in for the game, first when it is created, then again after it
// was hidden, each time reading everything from the file and painting once.
//
// Usage: stats_window <folder> [games] [--fill-only]

#include "stats/typingstatistics.h"
#include "stats/window.h"
#include "timing.h"

#include <QApplication>
#include <QDir>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>

namespace {

using bench::Clock;
using bench::msSince;

// The process's resident memory now and at its peak, in MB, as the kernel counts it.
double memoryMb(const char* field) {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    char line[256];
    double kb = 0;
    while (status && std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, field, std::strlen(field)) == 0) {
            kb = std::atof(line + std::strlen(field));
        }
    }
    if (status) {
        std::fclose(status);
    }
    return kb / 1024;
}

constexpr const char* kWords[] = {
    "kat",    "hond",   "vis",    "fiets",    "tafel",       "stoel",       "regen",
    "zomer",  "winter", "appel",  "boterham", "schrijven",   "toetsenbord", "snelheid",
    "molen",  "dijk",   "polder", "kaas",     "fluiten",     "vliegtuig",   "paraplu",
    "museum", "rivier", "brug",   "zeilboot", "bibliotheek", "ijsje",       "onderweg",
};

// Games spread over the past year, words per minute growing from about 20 to about 60.
void fill(stats::Store& store, int games) {
    std::mt19937 random(27);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const qint64 year = 365LL * 24 * 3600 * 1000;
    for (int g = 0; g < games; ++g) {
        const double progress = static_cast<double>(g) / games;
        stats::GameRecord game;
        game.started = now - year + static_cast<qint64>(progress * year);
        const double speed = 20 + 40 * progress + 8 * (unit(random) - 0.5);  // words per minute
        const double slips = 0.12 - 0.09 * progress;
        const int words = 10 + static_cast<int>(unit(random) * 20);
        for (int w = 0; w < words; ++w) {
            const std::string word = kWords[random() % std::size(kWords)];
            stats::KeyTallies keys{};
            int errors = 0;
            for (const char c : word) {
                auto& key = keys[static_cast<unsigned char>(c)];
                ++key.attempts;
                if (unit(random) < slips) {
                    ++key.errors;
                    ++errors;
                }
            }
            const bool completed = unit(random) > 0.05;
            const qint64 ms = static_cast<qint64>(word.size() * 12000.0 / speed);
            game.activeMs += ms;
            game.keystrokes += static_cast<qint64>(word.size());
            game.correct += static_cast<qint64>(word.size()) - errors;
            game.corrections += errors;
            if (completed) {
                ++game.completed;
                game.characters += static_cast<qint64>(word.size());
                game.score += 900;
            } else {
                ++game.missed;
            }
            game.level = 1 + game.completed / 10;
            if (!store.saveWord(game, {word, completed, ms, static_cast<int>(word.size()), errors},
                                keys)) {
                std::fprintf(stderr, "the store stopped: %s\n", qPrintable(store.failure()));
                std::exit(1);
            }
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    bench::preferOffscreen();
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: stats_window <folder> [games] [--fill-only]\n");
        return 2;
    }
    const QString path = QDir(QString::fromLocal8Bit(argv[1])).filePath("statistieken.sqlite");
    const int games = argc > 2 ? std::atoi(argv[2]) : 10000;
    const bool fillOnly = argc > 3 && std::strcmp(argv[3], "--fill-only") == 0;
    {
        stats::Store store(path);
        if (store.summary().bests.games == 0) {
            const auto start = Clock::now();
            fill(store, games);
            std::printf("filled %d games in %.1f s\n", games, msSince(start) / 1000);
        }
    }
    if (fillOnly) {
        return 0;
    }

    stats::TypingStatistics statistics(path);
    QWidget game;
    game.resize(716, 404);
    game.show();
    QApplication::processEvents();

    const double before = memoryMb("VmRSS:");
    auto start = Clock::now();
    const stats::Summary summary = statistics.store().summary();
    const double readMs = msSince(start);

    start = Clock::now();
    statistics.showWindow(game);
    QApplication::processEvents();
    const double firstMs = msSince(start);

    statistics.window()->hide();
    QApplication::processEvents();
    start = Clock::now();
    statistics.showWindow(game);
    QApplication::processEvents();
    const double againMs = msSince(start);

    std::printf("games %lld\nread_ms %.1f\nopen_first_ms %.1f\nopen_again_ms %.1f\n",
                static_cast<long long>(summary.bests.games), readMs, firstMs, againMs);
    std::printf("window_mb %.1f (resident %.1f before it, peak %.1f)\n",
                memoryMb("VmRSS:") - before, before, memoryMb("VmHWM:"));
    return statistics.store().failed() ? 1 : 0;
}
