// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPalette>

namespace ui {

// The game's own look: Qt's Fusion style with its light palette, whatever the desktop's
// colours are. The windows give many texts a fixed colour (black words, a black title)
// and take their backgrounds from the system's button face; on a dark desktop palette the
// two would meet as black on dark grey. With the light palette the system colours are the
// classic pair, light grey behind black, and every text keeps its contrast.
QPalette readablePalette();
void applyReadableLook();

// The contrast ratio of two colours, 1 to 21, as the web's accessibility guidelines
// define it; 4.5 and up reads well.
double contrastRatio(const QColor& a, const QColor& b);

}  // namespace ui
