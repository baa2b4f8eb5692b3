// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stats/recorder.h"

#include "base/text.h"

#include <algorithm>
#include <cmath>

namespace stats {

namespace {

// The Windows-1252 code of a character, or -1 where it has none.
int codeOf(QChar character) {
    const auto& table = base::windows1252Table();
    const auto found = std::find(table.begin(), table.end(), character.unicode());
    return found == table.end() ? -1 : static_cast<int>(found - table.begin());
}

}  // namespace

void Recorder::openGame() {
    game_ = GameRecord{};
    game_.started = clock_.wallMs();
    gameOpen_ = true;
}

void Recorder::wordShown(std::string_view word, bool bonus) {
    if (!gameOpen_) {
        openGame();
    }
    word_.bytes.assign(word);
    word_.shownAt = clock_.steadyMs();
    word_.pausedMs = 0;
    word_.bonus = bonus;
    word_.tally = Tally{};
    word_.beforeCommand = Tally{};
    if (paused_) {
        pausedAt_ = word_.shownAt;
    }
    wordRunning_ = true;
}

void WordTally::count(const ui::KeyPress& press, std::string_view word) noexcept {
    if (press.correction) {
        ++corrections;
        return;
    }
    const auto& table = base::windows1252Table();
    for (qsizetype i = 0; i < press.typed.size(); ++i) {
        ++keystrokes;
        const auto place = static_cast<std::size_t>(press.place + i);
        if (place >= word.size()) {
            ++errors;  // past the end of the word: no key was due
            continue;
        }
        const auto code = static_cast<unsigned char>(word[place]);
        KeyTally& key = keys[code];
        ++key.attempts;
        if (press.typed[i].unicode() == table[code]) {
            ++correct;
            continue;
        }
        ++key.errors;
        ++errors;
        const int typed = codeOf(press.typed[i]);
        if (typed >= 0 && confusionCount < WordRecord::kMostConfusions) {
            confusions[static_cast<std::size_t>(confusionCount++)] = {
                code, static_cast<unsigned char>(typed)};
        }
    }
}

void Recorder::keyPressed(const ui::KeyPress& press) noexcept {
    if (!wordRunning_) {
        return;
    }
    if (press.intoEmptyBox) {
        word_.beforeCommand = word_.tally;
    }
    word_.tally.count(press, word_.bytes);
}

void Recorder::commandTyped() noexcept {
    if (wordRunning_) {
        word_.tally = word_.beforeCommand;
    }
}

void Recorder::paused(bool standing) noexcept {
    if (standing == paused_) {
        return;
    }
    paused_ = standing;
    const qint64 now = clock_.steadyMs();
    if (standing) {
        pausedAt_ = now;
    } else if (wordRunning_) {
        word_.pausedMs += now - std::max(pausedAt_, word_.shownAt);
    }
}

qint64 Recorder::runningMs() const {
    const qint64 now = clock_.steadyMs();
    const qint64 standing = paused_ ? now - std::max(pausedAt_, word_.shownAt) : 0;
    return std::max<qint64>(0, now - word_.shownAt - word_.pausedMs - standing);
}

void Recorder::takeFigures(const app::GameFigures& figures) {
    game_.score = std::llround(figures.score);
    game_.level = std::max(game_.level, figures.level);
    game_.godMode = game_.godMode || figures.godMode;
}

void Recorder::wordEnded(bool completed, const app::GameFigures& figures) {
    if (!wordRunning_) {
        return;  // no word was running, such as a sentinel typed in full
    }
    wordRunning_ = false;
    if (!gameOpen_) {
        openGame();  // the word ran on from a game that was reset
    }
    const qint64 ms = runningMs();
    takeFigures(figures);
    game_.activeMs += ms;
    if (completed) {
        ++game_.completed;
        game_.characters += static_cast<qint64>(word_.bytes.size());
        game_.bonusWon += word_.bonus ? 1 : 0;
    } else {
        ++game_.missed;
        game_.bonusMissed += word_.bonus ? 1 : 0;
    }
    const Tally& tally = word_.tally;
    game_.keystrokes += tally.keystrokes;
    game_.correct += tally.correct;
    game_.corrections += tally.corrections;
    WordRecord record{word_.bytes,      completed,           ms, tally.keystrokes, tally.errors,
                      tally.confusions, tally.confusionCount};
    store_.saveWord(game_, record, tally.keys);
}

void Recorder::gameEnded(const app::GameFigures& figures) {
    if (!gameOpen_) {
        return;
    }
    gameOpen_ = false;
    takeFigures(figures);
    store_.saveGame(game_);
}

void Recorder::sequenceRemembered(int words) {
    if (visitLongest_ == 0) {
        visitStarted_ = clock_.wallMs();
    }
    if (words <= visitLongest_) {
        return;
    }
    visitLongest_ = words;
    store_.saveVisit(visitId_, visitStarted_, visitLongest_);
}

void Recorder::memoryVisitEnded() {
    visitId_ = 0;
    visitLongest_ = 0;
}

}  // namespace stats
