// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "base/dialogs.h"
#include "base/random.h"
#include "data/files.h"
#include "ui/guard.h"

#include <QString>

#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace app {

class Statistics;
// The statistics keeper of a game that keeps none.
Statistics& noStatistics();

// What a window needs from the world around it. Production passes Qt's boxes, the
// clock-seeded generator, the executable's folder and a real exit; tests pass doubles.
struct Context : ui::Guard {
    Context(base::Dialogs& boxes, base::Random& numbers, QString folder,
            std::function<void(int)> end)
        : dialogs(boxes),
          random(numbers),
          programDir(std::move(folder)),
          endProgram(std::move(end)) {}
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;

    base::Dialogs& dialogs;
    base::Random& random;
    QString programDir;  // where highscores.txt and the rewritten word list live
    std::function<void(int)> endProgram;
    // Who keeps the player's typing statistics; the program plugs in its keeper.
    Statistics* statistics = &noStatistics();

    // Every entry from Qt into the game runs through here, start-up included: a failure is
    // shown with the critical icon and ends the program, with nothing saved; a ProgramEnd
    // ends it quietly (whoever threw it has told the player why).
    void guard(const std::function<void()>& handler) noexcept override;

    // The full path of a file in the program folder.
    QString programFile(const char* name) const;
};

// The player's message for a file that failed: which file, in which folder, and why; and
// that the stored file was left as it was.
std::string fileErrorMessage(const data::FileError& error);

// Whether a save that failed this way (while saving, or reading the file afresh for it)
// may be tried again while the game goes on: another
// copy of the game holds the file's lock, something that is no lock file stands where the
// lock goes, or the file is a link that someone else planted.
bool canSaveLater(const data::FileError& error);

// The question for such a save: which file cannot be saved now, in which folder, and why;
// then `meanwhile` (what becomes of the change), and whether to try again now.
std::string saveLaterQuestion(const data::FileError& error, std::string_view meanwhile);

}  // namespace app
