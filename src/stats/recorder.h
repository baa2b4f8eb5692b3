// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/statistics.h"
#include "stats/clock.h"
#include "stats/records.h"
#include "stats/store.h"

#include <string_view>

namespace stats {

// What the keys typed for one word have counted. A keystroke is correct when the character
// equals the word's character at the place where it goes in the box; one past the word's
// end is an error with no key due. Counted in place, without allocating.
struct WordTally {
    int keystrokes = 0;
    int correct = 0;
    int corrections = 0;
    int errors = 0;
    KeyTallies keys{};
    std::array<Confusion, WordRecord::kMostConfusions> confusions{};
    int confusionCount = 0;

    // `word` in Windows-1252.
    void count(const ui::KeyPress& press, std::string_view word) noexcept;
};

// Follows the games as the windows report them and hands each finished word to the store.
//
// A game opens with its first word after start-up or Reset Game and ends at game over,
// Reset Game or the program's end. Each word runs from wordShown to wordEnded, less the
// time the game stood paused; its keystrokes count towards it in between, and it goes to
// the store, with the game as it stands after it, in one transaction. A word still
// running when its game ends runs on into the next game, where its end is counted: Reset
// Game leaves the word on its way to the line. Memory mode keeps the longest sequence of
// each visit, written as it grows.
//
// Keystrokes are counted as WordTally counts them. The keys that typed a command since the
// box was last empty are taken back when the command runs.
class Recorder {
public:
    Recorder(Store& store, Clock& clock) : store_(store), clock_(clock) {}

    void wordShown(std::string_view word, bool bonus);
    void keyPressed(const ui::KeyPress& press) noexcept;
    void commandTyped() noexcept;
    void paused(bool standing) noexcept;
    void wordEnded(bool completed, const app::GameFigures& figures);
    void gameEnded(const app::GameFigures& figures);

    void sequenceRemembered(int words);
    void memoryVisitEnded();

private:
    using Tally = WordTally;
    struct Word {
        std::string bytes;
        qint64 shownAt = 0;
        qint64 pausedMs = 0;
        bool bonus = false;
        Tally tally;
        Tally beforeCommand;  // the tally when the box was last empty
    };

    void openGame();
    void takeFigures(const app::GameFigures& figures);
    qint64 runningMs() const;

    Store& store_;
    Clock& clock_;
    bool gameOpen_ = false;
    GameRecord game_;
    bool wordRunning_ = false;
    Word word_;
    bool paused_ = false;
    qint64 pausedAt_ = 0;
    qint64 visitId_ = 0;
    qint64 visitStarted_ = 0;
    int visitLongest_ = 0;
};

}  // namespace stats
