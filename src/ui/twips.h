// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

#include <cmath>

// Positions and sizes are twips: 1440 to the inch, 15 to a logical pixel at 96 DPI.
// Qt scales logical pixels on high-DPI screens, so the game never sees device pixels.
namespace ui {

inline constexpr int kTwipsPerPixel = 15;

// Nearest whole pixel, a half going to the even neighbour.
inline int twipsToPixels(double twips) {
    return static_cast<int>(std::nearbyint(twips / kTwipsPerPixel));
}

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline QRect toPixels(const TwipRect& r) {
    return QRect(twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
                 twipsToPixels(r.height));
}

}  // namespace ui
