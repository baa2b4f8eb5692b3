// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "stats/practice.h"
#include "stats/records.h"

#include <QChar>
#include <QObject>
#include <QSqlError>
#include <QString>

#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace stats {

// What the statistics window shows, read in one go.
struct Summary {
    std::optional<GameRecord> lastGame;
    std::optional<GameRecord> previousGame;

    // The last ten games with keystrokes, the last game among them.
    struct Average {
        int games = 0;
        double wordsPerMinute = 0;
        double accuracy = 0;
    } lastTen;

    // The records, of games that count for them; empty where no game does.
    struct Bests {
        qint64 games = 0;  // every game played
        std::optional<double> wordsPerMinute;
        std::optional<double> accuracy;
        std::optional<qint64> score;
        std::optional<int> level;
        int longestSequence = 0;  // memory mode
    } bests;
    Bests bestsBefore;  // as they stood before the last game

    // The games with keystrokes in the order played, oldest first; past kMostPoints games,
    // runs of consecutive games drawn as one point each, their figures averaged.
    struct Point {
        qint64 number = 0;   // the game's number in the order played (the run's last game)
        qint64 started = 0;  // milliseconds since 1970, UTC (of the run's last game)
        double wordsPerMinute = 0;
        double accuracy = 0;
        int games = 1;  // how many games the point stands for
    };
    static constexpr int kMostPoints = 250;
    std::vector<Point> progress;

    // The ten words missed or mistyped most, most first.
    struct Trouble {
        QString word;
        int missed = 0;
        int mistyped = 0;
    };
    std::vector<Trouble> troublesome;

    struct Key {
        QChar character;
        KeyTally tally;
    };
    std::vector<Key> keys;

    // The characters typed most often in place of another, most first.
    struct Mixup {
        QChar due;
        QChar typed;
        qint64 times = 0;
    };
    std::vector<Mixup> mixups;

    // The last practice runs, newest first, and how many there were; never a game.
    static constexpr int kShownRuns = 10;
    std::vector<PracticeRun> practiceRuns;
    qint64 practiceRunCount = 0;

    bool empty() const { return bests.games == 0 && bests.longestSequence == 0; }
};

// statistieken.sqlite through Qt's SQLite driver, on a connection of its own. The file is
// opened when it is first needed: a game that never starts a word creates nothing. Each
// word is one small transaction. Whatever goes wrong (the file locked, damaged, from a
// newer version, not writable) stops the store for the rest of the run without touching
// the file again, and failure() says why, in Dutch.
class Store {
public:
    // On a network file system the store keeps no write-ahead log: that needs memory
    // shared between processes, which the network does not give.
    explicit Store(QString path, bool onNetwork = false);
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    const QString& path() const { return path_; }
    bool failed() const { return !failure_.isEmpty(); }
    const QString& failure() const { return failure_; }
    // Stops the store for a reason found outside it.
    void stop(const QString& reason);

    // The word and the game as it stands after it; the game gets its id with its first
    // word.
    bool saveWord(GameRecord& game, const WordRecord& word, const KeyTallies& keys);
    // The game's figures at its end; a game without a stored word is not kept.
    bool saveGame(const GameRecord& game);
    // A visit to memory mode; it gets its id when first saved.
    bool saveVisit(qint64& id, qint64 started, int longest);

    // What a practice run is built from; nothing when the store cannot be read.
    std::optional<PracticeHistory> practiceHistory();
    // The practised word and the run as it stands after it, apart from every figure of the
    // games. Returns how many practice tries in a row the word has now been right without
    // a slip; nothing when it was not stored.
    std::optional<int> savePracticeWord(PracticeRun& run, const PracticeWord& word,
                                        const KeyTallies& keys);

    // Everything the window shows; empty when there is nothing to read. A stopped store
    // still shows what it can read without writing.
    Summary summary();

    // Creates or brings up to date the file on a thread of its own, then opens it when the
    // event loop next comes by, so that the first word's end finds it ready; an end that
    // comes sooner waits for the thread.
    void prepareAside();

private:
    struct Statements;

    bool ready();
    bool open();
    QString refusal() const;
    void close();
    bool stopFor(const QSqlError& error);
    bool commitOrStop();
    std::optional<Summary> readOnly();

    void waitForPreparation();

    QString path_;
    bool onNetwork_;
    std::thread preparing_;
    QObject afterPreparing_;  // where the thread's "done" arrives; gone with the store
    QString connection_;
    QString failure_;
    bool open_ = false;
    std::unique_ptr<Statements> statements_;
};

}  // namespace stats
