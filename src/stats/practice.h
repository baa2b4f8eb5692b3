// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

#include <string>
#include <vector>

// What the statistics keep of practice runs. A run is never a game: it has tables of its
// own, and no figure of the games counts it.
namespace stats {

// Right without a slip this many times in a row, in practice, a word is mastered: it leaves
// the words to practise until the player misses or mistypes it in a game again.
inline constexpr int kMasteredAfter = 2;

// A run from its first word on; the counts are those of the words it has finished.
struct PracticeRun {
    qint64 id = 0;       // 0 until the store holds the run
    qint64 started = 0;  // milliseconds since 1970, UTC
    int words = 0;
    int firstTime = 0;  // right without a slip
    int missed = 0;
    qint64 activeMs = 0;
    qint64 keystrokes = 0;
    qint64 correct = 0;
    qint64 characters = 0;  // of the completed words
    double startPace = 0;   // words per minute the lane was set to at the first word
    double endPace = 0;     // and after the last
};

struct PracticeWord {
    std::string word;           // Windows-1252
    bool fromMistakes = false;  // one of the words missed or mistyped most, else from the list
    bool completed = false;
    qint64 ms = 0;
    int keystrokes = 0;
    int errors = 0;
    double pace = 0;  // words per minute it ran at
};

// What a run is built from, besides the word list.
struct PracticeHistory {
    struct Word {
        QString word;
        int missed = 0;
        int mistyped = 0;
    };
    std::vector<Word> words;  // missed or mistyped most in games, not mastered, most first
    struct Key {
        QChar character;
        qint64 attempts = 0;
        qint64 errors = 0;
    };
    std::vector<Key> keys;  // every key typed in games
    struct Mixup {
        QChar due;
        QChar typed;
        qint64 times = 0;
    };
    std::vector<Mixup> mixups;  // typed most often in place of another, most first
    int recentGames = 0;        // of the last ten games, those with time on a word
    double recentWordsPerMinute = 0;
};

}  // namespace stats
