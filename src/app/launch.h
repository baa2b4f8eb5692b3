// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <string>
#include <vector>

// The start of the program, before Qt opens a window system: what the arguments ask, and
// which window system to use.
namespace app {

struct Arguments {
    enum class Ask { Play, Help, Version, Wrong } ask = Ask::Play;
    bool openStatistics = false;
};
Arguments readArguments(const std::vector<std::string>& arguments);

// What the session offers, as the environment and the installed plugins tell.
struct Session {
    bool waylandDisplay = false;  // WAYLAND_DISPLAY names a socket that exists
    bool x11Display = false;      // DISPLAY is set
    bool waylandPlugin = false;   // Qt's Wayland platform plugin is installed
    bool x11Plugin = false;
};
Session currentSession();

// The value for QT_QPA_PLATFORM: Wayland where the session and the plugin offer it, then
// X11 (XWayland included); empty when neither can work, and `why` says what is missing.
QByteArray chooseWindowSystem(const Session& session, std::string& why);

// Tells a player who started the game from a menu, and sees no terminal, why no window
// comes: on stderr and, where the desktop has one, as a notification.
void tellWithoutWindow(const std::string& text);

}  // namespace app
