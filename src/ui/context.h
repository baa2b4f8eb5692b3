#pragma once

#include "ui/dialogs.h"
#include "ui/random.h"

#include <QString>

#include <functional>

namespace ui {

// What a window needs from the world around it. Production passes Qt's boxes, the
// clock-seeded generator, the executable's folder and a real exit; tests pass doubles.
struct Context {
    Dialogs& dialogs;
    Random& random;
    QString programDir;  // where highscores.txt and the rewritten word list live
    std::function<void(int)> endProgram;

    // Every entry from Qt into the game runs through here: a failure is shown with the
    // critical icon and ends the program; a ProgramEnd ends it quietly.
    void guard(const std::function<void()>& handler) noexcept;

    // The full path of a file in the program folder.
    QString programFile(const char* name) const;
};

}  // namespace ui
