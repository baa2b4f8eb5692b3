// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/context.h"
#include "ui/form.h"

namespace app {

// A window of the game with the world around it: its context, and F2 for the statistics.
class Window : public ui::Form {
    Q_OBJECT
public:
    Window(Context& context, const char* name, Qt::WindowFlags flags, QWidget* parent = nullptr)
        : ui::Form(name, flags, parent), ctx(context) {}

protected:
    // F2 opens the statistics window beside this one.
    void offerStatistics();

    Context& ctx;
};

}  // namespace app
