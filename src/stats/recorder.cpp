// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stats/recorder.h"

#include "base/text.h"

#include <algorithm>
#include <cmath>

namespace stats {

void Recorder::wordShown(std::string_view word, bool bonus) {
    if (!gameOpen_) {
        game_ = GameRecord{};
        game_.started = clock_.wallMs();
        gameOpen_ = true;
    }
    word_.bytes.assign(word);
    word_.shownAt = clock_.steadyMs();
    word_.bonus = bonus;
    word_.keystrokes = word_.correct = word_.corrections = word_.errors = 0;
    word_.keys.fill({});
    wordRunning_ = true;
}

void Recorder::keyPressed(const ui::KeyPress& press) noexcept {
    if (!wordRunning_) {
        return;
    }
    if (press.correction) {
        ++word_.corrections;
        return;
    }
    const auto& table = base::windows1252Table();
    for (qsizetype i = 0; i < press.typed.size(); ++i) {
        ++word_.keystrokes;
        const auto place = static_cast<std::size_t>(press.place + i);
        if (place >= word_.bytes.size()) {
            ++word_.errors;  // past the end of the word: no key was due
            continue;
        }
        const auto code = static_cast<unsigned char>(word_.bytes[place]);
        KeyTally& key = word_.keys[code];
        ++key.attempts;
        if (press.typed[i].unicode() == table[code]) {
            ++word_.correct;
        } else {
            ++key.errors;
            ++word_.errors;
        }
    }
}

void Recorder::takeFigures(const ui::GameFigures& figures) {
    game_.score = std::llround(figures.score);
    game_.level = std::max(game_.level, figures.level);
    game_.godMode = game_.godMode || figures.godMode;
}

void Recorder::wordEnded(bool completed, const ui::GameFigures& figures) {
    if (!wordRunning_) {
        return;  // no word was running, such as a sentinel typed in full
    }
    wordRunning_ = false;
    const qint64 ms = clock_.steadyMs() - word_.shownAt;
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
    game_.keystrokes += word_.keystrokes;
    game_.correct += word_.correct;
    game_.corrections += word_.corrections;
    store_.saveWord(game_, {word_.bytes, completed, ms, word_.keystrokes, word_.errors},
                    word_.keys);
}

void Recorder::gameEnded(const ui::GameFigures& figures) {
    if (!gameOpen_) {
        return;
    }
    wordRunning_ = false;
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
