// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stats/records.h"

namespace stats {

double wordsPerMinute(qint64 characters, qint64 activeMs) {
    if (activeMs <= 0) {
        return 0;
    }
    return static_cast<double>(characters) / 5.0 / (static_cast<double>(activeMs) / 60000.0);
}

bool countsForRecords(const GameRecord& game) {
    return !game.godMode && game.completed + game.missed >= kRecordWords;
}

double accuracyPercent(qint64 correct, qint64 keystrokes) {
    if (keystrokes <= 0) {
        return 0;
    }
    return 100.0 * static_cast<double>(correct) / static_cast<double>(keystrokes);
}

}  // namespace stats
