// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

#include <array>
#include <cstdint>
#include <string>

// What the statistics keep of a game and of its words, and the figures drawn from them.
namespace stats {

// One character of the words: how often it was due to be typed, and how often another
// character came in its place.
struct KeyTally {
    std::uint32_t attempts = 0;
    std::uint32_t errors = 0;
};
// By Windows-1252 code, as the words hold their characters.
using KeyTallies = std::array<KeyTally, 256>;

// A character typed where another was due, both by Windows-1252 code.
struct Confusion {
    unsigned char due = 0;
    unsigned char typed = 0;
};

// A game from its first word on; the counts are those of the words it has finished.
struct GameRecord {
    qint64 id = 0;        // 0 until the store holds the game
    qint64 started = 0;   // milliseconds since 1970, UTC
    qint64 activeMs = 0;  // the time a word was running, pauses left out
    qint64 score = 0;
    int level = 1;  // the highest level reached
    int completed = 0;
    int missed = 0;
    int bonusWon = 0;
    int bonusMissed = 0;
    bool godMode = false;  // on at any time during the game
    qint64 keystrokes = 0;
    qint64 correct = 0;
    qint64 corrections = 0;
    qint64 characters = 0;  // of the completed words
};

struct WordRecord {
    std::string word;  // Windows-1252
    bool completed = false;
    qint64 ms = 0;  // from shown to completed or missed, pauses left out
    int keystrokes = 0;
    int errors = 0;
    // The first confusions of the word; a word rarely holds more.
    static constexpr int kMostConfusions = 32;
    std::array<Confusion, kMostConfusions> confusions{};
    int confusionCount = 0;
};

// What a game must hold before its figures can be a record or a key gets a colour: fewer
// words or attempts say more of chance than of the player.
inline constexpr int kRecordWords = 10;
inline constexpr std::uint32_t kColourAttempts = 20;
inline constexpr int kShownConfusions = 3;  // times a confusion happened before it is named

// A game's figures count towards the records: played without /god and long enough.
bool countsForRecords(const GameRecord& game);

// (characters of the completed words / 5) per minute of time with a word running.
double wordsPerMinute(qint64 characters, qint64 activeMs);
// Correct keystrokes per hundred keystrokes.
double accuracyPercent(qint64 correct, qint64 keystrokes);

}  // namespace stats
