// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/movingword.h"

#include "base/failure.h"

namespace ui {

namespace {

constexpr Font kWordFont{kSansFace, 18, true};

}  // namespace

void MovingWord::layOut(const TwipRect& box, std::string_view caption, int lineX, int lineBottom) {
    finish_.setup(lineX, 0, lineX, lineBottom, Colour::rgb(255, 0, 0), 4);
    finish_.lower();
    word_.setup(box, caption, kWordFont);
    word_.setForeColour(kBlack);
    word_.setTransparent(true);
    ticks_.setInterval(kTickMs);
}

bool MovingWord::step(std::int32_t speed) {
    word_.setLeft(base::checkedSub(word_.left(), speed, "de plaats van het woord"));
    if (word_.left() > finish_.x1()) {
        return false;
    }
    ticks_.setEnabled(false);
    return true;
}

}  // namespace ui
