#pragma once

#include "ui/context.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/random.h"

namespace ui {

// The production world of a running game: Qt's modal boxes, the clock-seeded random
// source, the executable's folder, and an end that leaves at once with nothing saved.
class Application {
public:
    Application();
    Context& context() { return context_; }
    // Loads and shows the main window, then runs the event loop.
    int run(Form& mainWindow);

private:
    QtDialogs dialogs_;
    ClockRandom random_;
    Context context_;
};

}  // namespace ui
