// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Where the game keeps its files. A copy of the executable on its own keeps them beside
// itself and reads its word lists from the folder it is started in. The installed game
// (its default word lists stand where the installation put them, seen from the
// executable) keeps each player's files in a folder of the player's own and starts there.
namespace app {

// The folder that holds the executable, where the game keeps its stored files. Its name is
// taken from the bytes the system gives for the executable's path; a name that does not
// survive as text (not valid UTF-8, such as "café" in Latin-1) is reached through a
// handle on the folder, kept open for the life of the program.
QString executableFolder();

// The game's folder, made ready, and the working directory set to it for the installed
// game. Throws data::FileError.
QString gameFolder();

// The installed game, as opposed to a copy of the executable on its own.
bool installedGame();

inline constexpr const char* kStatisticsFile = "statistieken.sqlite";

// Where the player's typing statistics are kept. They are the player's alone and need
// memory shared between the processes that use them, which no network file system
// gives: beside the highscores in a game folder that only this player writes, on a local
// disk; else in the player's own data folder ($XDG_DATA_HOME/toetsrace).
struct StatisticsFile {
    QString path;
    enum class Place { GameFolder, OwnForSharedFolder, OwnForNetworkFolder } place;
    bool onNetwork;  // where it ends up: a player whose own folder is on the network
};
StatisticsFile statisticsFile(const QString& gameFolder);

}  // namespace app
