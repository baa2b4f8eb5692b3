// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Where the game keeps its files. A copy of the executable on its own keeps them beside
// itself and reads its word lists from the folder it is started in. The installed game
// (its default word lists stand where the installation put them, seen from the
// executable) keeps each player's files in a folder of the player's own and starts there.
namespace ui {

// The game's folder, made ready, and the working directory set to it for the installed
// game. Throws data::FileError.
QString gameFolder();

}  // namespace ui
