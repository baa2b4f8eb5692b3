// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the program says before any window exists: on the terminal in UTF-8, as a
// terminal takes it.
namespace launch_texts {

inline constexpr const char* kUsage =
    "Gebruik: toetsrace [--statistieken | --help | --version]\n"
    "  --statistieken  opent ook het venster met je typstatistieken (of, als Toetsrace al\n"
    "                  draait, opent het daar)\n"
    "  --help          toont deze uitleg\n"
    "  --version       toont de versie van Toetsrace\n";
inline constexpr const char* kUsageLine =
    "Gebruik: toetsrace [--statistieken | --help | --version]";
// The same for the message box, in Windows-1252 with CR LF.
inline constexpr const char* kUsageBox =
    "Gebruik: toetsrace [--statistieken]\r\n"
    "Met --statistieken opent Toetsrace ook het venster met je typstatistieken.";

inline constexpr const char* kNoWindowSystemTitle = "Toetsrace kan niet starten";
inline constexpr const char* kNoWindowSystem =
    "Toetsrace kan geen venster openen: er is geen Wayland- of X11-beeldscherm te "
    "bereiken.";
// Follows kNoWindowSystem when a Wayland session is there but Qt's Wayland plugin is not.
inline constexpr const char* kInstallWayland =
    " Installeer het pakket qt6-wayland, of start Toetsrace in een X11-sessie.";

}  // namespace launch_texts
