// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/label.h"
#include "ui/simplecontrols.h"

#include <cstdint>
#include <string_view>

namespace ui {

// The word on its way from the right to the red finish line, as the game and the practice
// window both run it: a transparent label in the large bold face, a 4-pixel red line, and
// a timer whose every tick moves the word left by the speed, in twips. The label draws the
// word wherever it stands; the window owns the three controls, this moves them.
class MovingWord {
public:
    // The chosen tick period: the pace the original platform gives its 1 ms request.
    static constexpr int kTickMs = 16;

    MovingWord(Label& word, Line& finish, Timer& ticks)
        : word_(word), finish_(finish), ticks_(ticks) {}

    // The word in `box` (its left edge the start), the line at `lineX` from the top down
    // to `lineBottom`, in twips; the line lies below everything else.
    void layOut(const TwipRect& box, std::string_view caption, int lineX, int lineBottom);

    // One tick: the word moves `speed` twips to the left. True when it has reached the
    // finish line; the timer is then off, so no tick follows while the miss is handled.
    bool step(std::int32_t speed);

    // The twips from `left` to the finish line.
    int distanceFrom(int left) const { return left - finish_.x1(); }

private:
    Label& word_;
    Line& finish_;
    Timer& ticks_;
};

}  // namespace ui
