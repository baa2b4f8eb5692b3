// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stats/typingstatistics.h"

#include "base/text.h"
#include "stats/stats_texts.h"
#include "stats/window.h"

#include <QWidget>

#include <new>

namespace stats {

namespace {

std::string keptWhere(const app::StatisticsFile& file) {
    using Place = app::StatisticsFile::Place;
    const std::string path = base::toBytesLossy(file.path);
    switch (file.place) {
        case Place::OwnForSharedFolder:
            return stats_texts::kRecordingSharedFolder + path + ".";
        case Place::OwnForNetworkFolder:
            return stats_texts::kRecordingNetworkFolder + path + ".";
        case Place::GameFolder:
            break;
    }
    return stats_texts::kRecording;
}

}  // namespace

TypingStatistics::TypingStatistics(QString databasePath, Clock* clock)
    : TypingStatistics({std::move(databasePath), app::StatisticsFile::Place::GameFolder, false},
                       clock) {}

TypingStatistics::TypingStatistics(const app::StatisticsFile& file, Clock* clock)
    : keptWhere_(keptWhere(file)),
      store_(file.path, file.onNetwork),
      recorder_(store_, clock ? *clock : systemClock_) {}

TypingStatistics::~TypingStatistics() = default;

template <typename Step>
void TypingStatistics::safely(Step step) noexcept {
    try {
        step();
    } catch (const std::bad_alloc&) {
        store_.stop(base::toQString(stats_texts::kNoMemory));
    } catch (...) {
        store_.stop(base::toQString(stats_texts::kUnexpected));
    }
}

void TypingStatistics::wordShown(std::string_view word, bool bonus) noexcept {
    safely([&] {
        store_.prepareAside();
        recorder_.wordShown(word, bonus);
    });
}

void TypingStatistics::wordCompleted(const app::GameFigures& figures) noexcept {
    safely([&] { recorder_.wordEnded(true, figures); });
    markWindowStale();
}

void TypingStatistics::wordMissed(const app::GameFigures& figures) noexcept {
    safely([&] { recorder_.wordEnded(false, figures); });
    markWindowStale();
}

void TypingStatistics::markWindowStale() noexcept {
    if (window_) {
        window_->markStale();
    }
}

void TypingStatistics::gameEnded(const app::GameFigures& figures) noexcept {
    safely([&] { recorder_.gameEnded(figures); });
    markWindowStale();
}

void TypingStatistics::keyPressed(const ui::KeyPress& press) noexcept {
    recorder_.keyPressed(press);
}

void TypingStatistics::commandTyped() noexcept {
    recorder_.commandTyped();
}

void TypingStatistics::paused(bool standing) noexcept {
    recorder_.paused(standing);
}

void TypingStatistics::sequenceRemembered(int words) noexcept {
    safely([&] { recorder_.sequenceRemembered(words); });
    markWindowStale();
}

void TypingStatistics::memoryVisitEnded() noexcept {
    safely([&] { recorder_.memoryVisitEnded(); });
}

void TypingStatistics::showWindow(QWidget& beside, const QRect& keepFree) noexcept {
    safely([&] {
        if (!window_) {
            window_ = std::make_unique<StatisticsWindow>(store_, keptWhere_);
            window_->offerPractice(openPractice_);
        }
        window_->showBeside(beside, keepFree);
    });
}

void TypingStatistics::offerPractice(std::function<void()> open) {
    openPractice_ = std::move(open);
    if (window_) {
        window_->offerPractice(openPractice_);
    }
}

void TypingStatistics::showWindow(QWidget& beside) noexcept {
    showWindow(beside, beside.rect());
}

}  // namespace stats
