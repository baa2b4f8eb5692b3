// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/form1.h"
#include "sandbox.h"

#include <memory>
#include <string>
#include <vector>

namespace testing {

// A main window after start-up, in a sandbox of its own, with scripted boxes and numbers.
class Game {
public:
    // `statistics` keeps the game's typing statistics; none are kept without it.
    explicit Game(const std::vector<std::string>& words = {"kat", "hond", "vis"},
                  const std::vector<std::string>& bonusWords = {"bonuswoord"},
                  app::Statistics* statistics = nullptr);

    Form1& form() { return *form_; }
    Form1* operator->() { return form_.get(); }

    // The random number that draws entry `index` of a list of `count` entries.
    static float drawing(int index, int count);
    // Presses Start Level with the next draw landing on entry `index` of the list in play.
    void startWord(int index = 0);
    // Ticks until the word is missed or `limit` ticks have run; returns the ticks run.
    int tickUntilMissed(int limit = 100000);
    // Sets the typing box as the player would leave it after typing `text`.
    void type(const std::string& text);
    // Completes the running word as typed.
    void completeWord() { type(form_->currentWord); }
    // Misses the running word.
    void missWord() { tickUntilMissed(); }

    std::vector<std::string> words() const;

    Sandbox sandbox;

private:
    std::unique_ptr<Form1> form_;
};

}  // namespace testing
