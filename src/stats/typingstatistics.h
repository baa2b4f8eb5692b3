// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/gamefolder.h"
#include "app/statistics.h"
#include "stats/clock.h"
#include "stats/recorder.h"
#include "stats/store.h"

#include <QString>

#include <functional>
#include <memory>
#include <string>

namespace stats {

class StatisticsWindow;

// The game's statistics keeper: the recorder, its store and the "Statistieken" window,
// behind the interface the windows know. Nothing escapes a call: a failure that is not the
// store's own stops recording all the same, and the window says why.
class TypingStatistics final : public app::Statistics {
public:
    // `databasePath` is statistieken.sqlite in the program folder.
    explicit TypingStatistics(QString databasePath, Clock* clock = nullptr);
    // Kept where the game chose, and the window says where and why.
    explicit TypingStatistics(const app::StatisticsFile& file, Clock* clock = nullptr);
    ~TypingStatistics() override;

    void wordShown(std::string_view word, bool bonus) noexcept override;
    void wordCompleted(const app::GameFigures& figures) noexcept override;
    void wordMissed(const app::GameFigures& figures) noexcept override;
    void gameEnded(const app::GameFigures& figures) noexcept override;
    void keyPressed(const ui::KeyPress& press) noexcept override;
    void commandTyped() noexcept override;
    void paused(bool standing) noexcept override;
    void sequenceRemembered(int words) noexcept override;
    void memoryVisitEnded() noexcept override;
    void showWindow(QWidget& beside, const QRect& keepFree) noexcept override;
    // Apart from all of `beside`.
    void showWindow(QWidget& beside) noexcept;

    // What the window's practice button and F3 open.
    void offerPractice(std::function<void()> open);

    Store& store() { return store_; }
    // The window once F2 has opened it; it is hidden, never closed, until the program ends.
    StatisticsWindow* window() const { return window_.get(); }

private:
    template <typename Step>
    void safely(Step step) noexcept;
    void markWindowStale() noexcept;

    SystemClock systemClock_;
    std::string keptWhere_;  // what the window says of where the statistics are kept
    Store store_;
    Recorder recorder_;
    std::unique_ptr<StatisticsWindow> window_;
    std::function<void()> openPractice_;
};

}  // namespace stats
