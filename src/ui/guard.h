// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

namespace ui {

// Runs what Qt hands a control (a click, a tick, a typed change) on behalf of the game,
// which decides what a failure in it means. The controls know only this much of it.
class Guard {
public:
    virtual void guard(const std::function<void()>& handler) noexcept = 0;

protected:
    ~Guard() = default;
};

}  // namespace ui
