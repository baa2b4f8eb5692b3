// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "stats/keyboard.h"
#include "stats/progresschart.h"
#include "stats/store.h"
#include "ui/controls.h"

#include <QPointer>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>

#include <functional>
#include <string>

namespace stats {

// A caption and, beside it, the figure it names.
struct Figure {
    Figure(QWidget* frame, const char* captionName, const char* valueName)
        : caption(frame, captionName), value(frame, valueName) {}
    ui::Label caption;
    ui::Label value;
};

// The "Statistieken" window, in five tabs: the last game against the one before and the
// last ten, with the personal records; words per minute and accuracy game by game; the
// ten words missed or mistyped most; and the keyboard coloured by each key's error rate,
// with the keys typed most often in place of another; and the practice runs, apart from
// the games, with the button (and F3) that opens a new one. It opens apart from the game
// without taking the keyboard or stopping it, one window only; closing hides it. While it
// is open it follows every word and game. Without history it shows a friendly text
// instead; when recording has stopped, it says why.
class StatisticsWindow : public QWidget {
    Q_OBJECT
public:
    // `keptWhere` tells the player what is recorded and where it is kept.
    StatisticsWindow(Store& store, std::string keptWhere);

    // Brings the window up to date and shows it apart from `other`, off its `keepFree`.
    // What the player types here goes on to `other`'s typing box: a desktop that gives
    // this window the keyboard (Wayland compositors do, at every new window) or a click
    // in it must not leave the word running without its letters.
    void showBeside(QWidget& other, const QRect& keepFree);
    void refresh();
    // A word was stored meanwhile: read again soon when open, else when next shown.
    void markStale() noexcept;
    // What the practice button and F3 open.
    void offerPractice(std::function<void()> open) { openPractice_ = std::move(open); }

    ui::Label status{this, "status"};  // what is recorded, or why not
    ui::Label empty{this, "empty"};    // instead of the tabs while there is no history
    QTabWidget tabs{this};

    QWidget overview;
    ui::Frame lastGame{&overview, "lastGame"};
    Figure lastWordsPerMinute{&lastGame, "lastWordsPerMinuteCaption", "lastWordsPerMinute"};
    Figure lastAccuracy{&lastGame, "lastAccuracyCaption", "lastAccuracy"};
    Figure lastWords{&lastGame, "lastWordsCaption", "lastWords"};
    Figure lastScore{&lastGame, "lastScoreCaption", "lastScore"};
    Figure lastLevel{&lastGame, "lastLevelCaption", "lastLevel"};
    ui::Label lastSummary{&lastGame, "lastSummary"};  // average, records, why none

    ui::Frame bests{&overview, "bests"};
    Figure bestWordsPerMinute{&bests, "bestWordsPerMinuteCaption", "bestWordsPerMinute"};
    Figure bestAccuracy{&bests, "bestAccuracyCaption", "bestAccuracy"};
    Figure bestScore{&bests, "bestScoreCaption", "bestScore"};
    Figure bestLevel{&bests, "bestLevelCaption", "bestLevel"};
    Figure longestSequence{&bests, "longestSequenceCaption", "longestSequence"};
    Figure games{&bests, "gamesCaption", "games"};
    ui::Label recordRule{&bests, "recordRule"};

    ui::Frame progress{nullptr, "progress"};
    ProgressChart chart{&progress};

    ui::Frame troublesome{nullptr, "troublesome"};
    QTableWidget troublesomeWords{&troublesome};

    ui::Frame keys{nullptr, "keys"};
    KeyboardView keyboard{&keys};
    ui::Label keysLegend{&keys, "keysLegend"};
    ui::Label mixups{&keys, "mixups"};

    ui::Frame practice{nullptr, "practice"};
    ui::Label practiceIntro{&practice, "practiceIntro"};
    QTableWidget practiceRuns{&practice};
    ui::Button practise{&practice, "practise"};
    ui::Label practiceCount{&practice, "practiceCount"};
    QShortcut practiseKey{QKeySequence(Qt::Key_F3), this};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();
    void layOutOverview();
    void present(const Summary& summary);
    void showLastGame(const Summary& summary);
    void showBests(const Summary::Bests& bests);
    void showTroublesome(const std::vector<Summary::Trouble>& words);
    void showMixups(const std::vector<Summary::Mixup>& mixups);
    void layOutPractice();
    void showPracticeRuns(const Summary& summary);
    void askForPractice();

    Store& store_;
    std::string keptWhere_;
    bool stale_ = true;
    bool refreshDue_ = false;
    std::function<void()> openPractice_;
    QPointer<QWidget> typingTo_;
};

// What the window says of the last game below its figures.
std::string lastGameSummary(const Summary& summary);

}  // namespace stats
