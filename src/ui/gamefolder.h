// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcessEnvironment>
#include <QString>

// Where the game keeps its files. A copy of the executable on its own keeps them beside
// itself and reads its word lists from the folder it is started in. The installed game
// (its default word lists stand where the installation put them, seen from the
// executable) keeps each player's files in a folder of the player's own and starts there.
namespace ui {

// The folder of the installation's default word lists, seen from the executable's folder;
// empty for a copy of the executable on its own.
QString installedWordLists(const QString& executableFolder);

// $XDG_DATA_HOME/toetsrace; a relative XDG_DATA_HOME is ignored, as the XDG base
// directories rule, for ~/.local/share.
QString playerFolder(const QProcessEnvironment& environment);

// Makes the player's folder ready: created, with the default word lists copied in and an
// empty highscore table where they are missing, so the first start plays at once. Several
// starts at once each find it ready; nothing the player has there is touched. Throws
// data::FileError.
void preparePlayerFolder(const QString& folder, const QString& wordLists);

// The game's folder, made ready, and the working directory set to it for the installed
// game. Throws data::FileError.
QString gameFolder();

}  // namespace ui
