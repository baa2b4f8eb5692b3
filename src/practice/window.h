// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "practice/plan.h"
#include "stats/recorder.h"
#include "stats/store.h"
#include "ui/controls.h"
#include "ui/form.h"

#include <QElapsedTimer>
#include <QTableWidget>

#include <optional>
#include <random>
#include <vector>

namespace practice {

// The "Oefenen" window: twenty words from the player's own mistakes, each moving from the
// right to the red finish line as in the game, at a pace that follows the player. No
// lives, no score, no commands: a word typed in time counts, a word that reaches the line
// is missed and the next one comes. Each word goes into the statistics as practice, never
// as a game. At the end a table says per word how it went and whether it is mastered, and
// a line how the weak keys fared.
//
// It opens beside the game and takes the keyboard; Enter begins, Esc stops a run or, with
// none running, closes the window. The game itself is left as it was.
class PracticeWindow : public ui::Form, private ui::Guard, private ui::KeyObserver {
    Q_OBJECT
public:
    // `wordList` is the game's woordenlijst.txt, read and never written.
    PracticeWindow(stats::Store& store, QString wordList,
                   std::uint32_t seed = std::random_device{}());

    // Plans a run (unless one is running) and shows the window apart from `game`.
    void open(QWidget& game, const QRect& keepFree);
    bool running() const { return running_; }

    ui::Label intro{this, "intro"};
    ui::Label progress{this, "progress"};
    ui::Label pace{this, "pace"};
    QWidget track{this};
    ui::Line finish{&track, "finish"};
    ui::Label word{&track, "word"};
    ui::Timer ticks{this, "ticks"};
    ui::MovingWord lane{word, finish, ticks};
    ui::TextBox typing{this, "typing"};
    ui::Label feedback{this, "feedback"};
    QTableWidget results{this};
    ui::Label keysChange{this, "keysChange"};
    ui::Button begin{this, "begin"};
    ui::Button stop{this, "stop"};

    const std::vector<PlannedWord>& planned() const { return plan_; }
    double currentPace() const { return pace_.wordsPerMinute(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Outcome {
        std::string word;
        bool completed = false;
        int errors = 0;
        std::optional<int> streak;
    };

    void guard(const std::function<void()>& handler) noexcept override;
    void keyPressed(const ui::KeyPress& press) noexcept override;

    void layOut();
    void prepare();
    void startRun();
    void nextWord();
    void tick();
    void typed();
    void wordEnded(bool completed);
    void finishRun();
    void showProgress();
    void showResults();

    stats::Store& store_;
    QString wordList_;
    std::mt19937 random_;
    std::vector<PlannedWord> plan_;
    std::vector<WeakKey> weakKeys_;
    Pace pace_{Pace::kFirstRun};
    bool running_ = false;
    std::size_t next_ = 0;
    int startLeft_ = 0;
    std::int32_t speed_ = 1;
    QElapsedTimer shownFor_;
    stats::WordTally tally_;
    stats::KeyTallies runKeys_{};
    stats::PracticeRun run_;
    std::vector<Outcome> outcomes_;
};

}  // namespace practice
