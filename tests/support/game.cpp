// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game.h"

namespace testing {

Game::Game(const std::vector<std::string>& words, const std::vector<std::string>& bonusWords,
           app::Statistics* statistics) {
    if (statistics) {
        sandbox.context.statistics = statistics;
    }
    // Unscripted draws land in the middle of a list: a fixed 0 would land on the blank
    // entry of a refilled list every time and draw forever, which no real generator does.
    sandbox.random.fallback = 0.5f;
    sandbox.prepareGame(words, bonusWords);
    form_ = std::make_unique<Form1>(sandbox.context);
    sandbox.load(*form_);
    sandbox.dialogs.calls.clear();
}

float Game::drawing(int index, int count) {
    // The middle of the interval that rounds to `index`, clear of the rounding edges.
    return count == 0 ? 0.0f : static_cast<float>(index) / static_cast<float>(count);
}

void Game::startWord(int index) {
    const ui::ListBox& list = form_->bonusActive ? form_->bonuslist : form_->woordenlijst;
    sandbox.random.script({drawing(index, list.items().count())});
    form_->Command1_Click();
}

int Game::tickUntilMissed(int limit) {
    int ticks = 0;
    while (form_->Timer1.enabled() && ticks < limit) {
        form_->Timer1_Timer();
        ++ticks;
    }
    return ticks;
}

void Game::type(const std::string& text) {
    // What typing leaves behind: the box's text changes and its handler runs.
    form_->invoer.setText(text);
}

std::vector<std::string> Game::words() const {
    std::vector<std::string> out;
    for (int i = 0; i < form_->woordenlijst.items().count(); ++i) {
        out.emplace_back(form_->woordenlijst.items().item(i));
    }
    return out;
}

}  // namespace testing
