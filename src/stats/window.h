// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "stats/keyboard.h"
#include "stats/progresschart.h"
#include "stats/store.h"
#include "ui/controls.h"

#include <QTableWidget>
#include <QWidget>

#include <string>

namespace stats {

// A caption and, beside it, the figure it names.
struct Figure {
    Figure(QWidget* frame, const char* captionName, const char* valueName)
        : caption(frame, captionName), value(frame, valueName) {}
    ui::Label caption;
    ui::Label value;
};

// The "Statistieken" window: the last game, the personal bests, words per minute and
// accuracy per game over time, the ten words missed or mistyped most, and the keyboard
// coloured by each key's error rate. It opens beside the game without stopping it, one
// window only; closing hides it. Its figures are read from the store whenever it is
// opened, at the end of a game and when the player comes back to it after playing on.
// Without history it shows a friendly text instead; when recording has stopped, it says
// why.
class StatisticsWindow : public QWidget {
    Q_OBJECT
public:
    // `keptWhere` tells the player what is recorded and where it is kept.
    StatisticsWindow(Store& store, std::string keptWhere);

    // Brings the window up to date and shows it beside `other`, or in front where it is.
    void showBeside(QWidget& other);
    void refresh();
    // A word was stored meanwhile: read again when the player next turns to the window.
    void markStale() noexcept { stale_ = true; }

    ui::Label status{this, "status"};  // what is recorded, or why not
    ui::Label empty{this, "empty"};    // instead of everything below while there is no history

    ui::Frame lastGame{this, "lastGame"};
    Figure lastWordsPerMinute{&lastGame, "lastWordsPerMinuteCaption", "lastWordsPerMinute"};
    Figure lastAccuracy{&lastGame, "lastAccuracyCaption", "lastAccuracy"};
    Figure lastWords{&lastGame, "lastWordsCaption", "lastWords"};
    Figure lastScore{&lastGame, "lastScoreCaption", "lastScore"};
    Figure lastLevel{&lastGame, "lastLevelCaption", "lastLevel"};

    ui::Frame bests{this, "bests"};
    Figure bestWordsPerMinute{&bests, "bestWordsPerMinuteCaption", "bestWordsPerMinute"};
    Figure bestAccuracy{&bests, "bestAccuracyCaption", "bestAccuracy"};
    Figure bestScore{&bests, "bestScoreCaption", "bestScore"};
    Figure bestLevel{&bests, "bestLevelCaption", "bestLevel"};
    Figure longestSequence{&bests, "longestSequenceCaption", "longestSequence"};
    Figure games{&bests, "gamesCaption", "games"};

    ui::Frame troublesome{this, "troublesome"};
    QTableWidget troublesomeWords{&troublesome};

    ui::Frame progress{this, "progress"};
    ProgressChart chart{&progress};

    ui::Frame keys{this, "keys"};
    KeyboardView keyboard{&keys};
    ui::Label keysLegend{&keys, "keysLegend"};

protected:
    void changeEvent(QEvent* event) override;

private:
    void layOut();
    void present(const Summary& summary);
    void showLastGame(const GameRecord& game);
    void showBests(const Summary::Bests& bests);
    void showTroublesome(const std::vector<Summary::Trouble>& words);

    Store& store_;
    std::string keptWhere_;
    bool stale_ = true;
};

}  // namespace stats
