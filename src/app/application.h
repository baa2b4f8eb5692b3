// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/context.h"
#include "base/random.h"
#include "ui/form.h"
#include "ui/qtdialogs.h"

namespace app {

// Qt's own texts (the typing box's menu, a scroll bar's menu) in Dutch, whatever the
// player's locale, from the system's Qt translations. Returns false when they are not
// installed; the game then shows Qt's English texts.
bool loadDutchQtTexts();

// The production world of a running game: Qt's modal boxes, the clock-seeded random
// source, the game's folder (see gamefolder.h), and an end that leaves at once with
// nothing saved.
class Application {
public:
    Application();
    Context& context() { return context_; }
    // Loads and shows the main window, then runs the event loop.
    int run(ui::Form& mainWindow);

private:
    ui::QtDialogs dialogs_;
    base::ClockRandom random_;
    Context context_;
};

}  // namespace app
