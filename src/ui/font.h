// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

namespace ui {

// The window definitions ask for MS Sans Serif and MS Serif. GNU FreeFont's FreeSans and
// FreeSerif are the nearest Debian offers whose line height still lets every fixed text
// fit its box at the same point sizes (two lines of "Game Over" at 72 points need it).
inline constexpr const char* kSansFace = "FreeSans";
inline constexpr const char* kSerifFace = "FreeSerif";

struct Font {
    const char* face = kSansFace;
    double points = 8;
    bool bold = false;
    // Width of the letters in percent (QFont::Stretch): below 100 the face's condensed
    // form, which Qt draws from the face itself where it has none of its own.
    int stretch = QFont::Unstretched;
};

inline constexpr Font kWindowFont{kSansFace, 8, false};

QFont toQFont(const Font& font);

}  // namespace ui
