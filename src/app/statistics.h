// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/keys.h"

#include <string_view>

class QRect;
class QWidget;

namespace app {

// Where a game stands when a word or the game ends, as the statistics keep it.
struct GameFigures {
    double score = 0;
    int level = 1;
    bool godMode = false;
};

// What the windows tell whoever keeps the player's typing statistics, and how they ask for
// its window. The windows know nothing else of it: the program plugs the real keeper into
// the context, and without one every call does nothing. Each call returns at once and
// never throws, so keeping statistics cannot change what the game does.
class Statistics : public ui::KeyObserver {
public:
    virtual ~Statistics() = default;

    // The main game: a word set running, then completed or missed; a game ends at game
    // over, at Reset Game and when the program closes.
    virtual void wordShown(std::string_view, bool /*bonus*/) noexcept {}
    virtual void wordCompleted(const GameFigures&) noexcept {}
    virtual void wordMissed(const GameFigures&) noexcept {}
    virtual void gameEnded(const GameFigures&) noexcept {}
    // Keystrokes in the main window's typing box.
    void keyPressed(const ui::KeyPress&) noexcept override {}
    // The box's text was a typed command: the keys that typed it since the box was last
    // empty were no typing of the word.
    virtual void commandTyped() noexcept {}
    // "/p": the word stands still until the game goes on.
    virtual void paused(bool /*standing*/) noexcept {}

    // Memory mode: a correct sequence of this many words; the window hidden again.
    virtual void sequenceRemembered(int /*words*/) noexcept {}
    virtual void memoryVisitEnded() noexcept {}

    // F2: the statistics window, apart from the window that asks and off `keepFree`, the
    // part of it (in its own coordinates) where the game is played.
    virtual void showWindow(QWidget& /*beside*/, const QRect& /*keepFree*/) noexcept {}
};

}  // namespace app
