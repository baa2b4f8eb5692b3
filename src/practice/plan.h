// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "base/listitems.h"
#include "stats/practice.h"

#include <QChar>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace practice {

inline constexpr int kRunWords = 20;
inline constexpr int kMostFromMistakes = 10;  // of the run's words, at most

// A key the player often gets wrong, and how often in games.
struct WeakKey {
    QChar character;
    double errorRate = 0;  // errors per attempt, 0..1
    QChar typedInstead;    // for a key named by a mix-up: what was typed in its place
};

// The keys to practise: the three with the highest error rate among those typed often
// enough to be coloured in the statistics, and the keys most often typed in place of
// another as those name them. Weakest first, each once.
std::vector<WeakKey> weakKeys(const stats::PracticeHistory& history);

struct PlannedWord {
    std::string word;           // Windows-1252
    bool fromMistakes = false;  // else from the list, for its weak keys
};

// Twenty words, mixed: up to ten of the words missed or mistyped most, drawn with the
// most troublesome the likeliest, and list words of two to twelve characters drawn by the
// share of their characters that are weak keys (the weaker, the heavier), so that no two
// runs are alike. Words from the mistakes come round again when the list
// gives too few. Empty when the history gives nothing to practise.
std::vector<PlannedWord> planRun(const stats::PracticeHistory& history, const base::TextLines& list,
                                 std::mt19937& random);

// The lane's pace as words per minute of five characters: a word must be typed in the
// time that gives it, plus a second to read it, to reach the line in time.
class Pace {
public:
    static constexpr double kSlowest = 5;
    static constexpr double kFastest = 200;
    static constexpr double kStartShare = 0.8;  // of the recent games' average
    static constexpr double kFirstRun = 20;     // without a timed game

    explicit Pace(double wordsPerMinute);
    // A pace the player has kept: below the average of their last ten games.
    static Pace fromRecentGames(const stats::PracticeHistory& history);

    double wordsPerMinute() const { return wordsPerMinute_; }
    // Twips per tick for a word of `characters` to cross `distance` twips in its time.
    std::int32_t speedFor(int characters, int distance, int tickMs) const;
    // After a word: typed with more than half the way still to go, 10 % faster; typed in
    // the last quarter, 5 % slower; missed, 20 % slower. `wayLeft` is the share, 0..1.
    void afterWord(bool completed, double wayLeft);

private:
    double wordsPerMinute_;
};

}  // namespace practice
