// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace ui {

// Where a window of `size` (its frame included) goes on `screen` so that it covers as
// little as possible of `keepFree`, then of `other`, then stays close to `other`: beside
// it, below or above it where there is room, else against an edge of the screen.
QPoint placeApart(const QRect& other, const QRect& keepFree, const QSize& size,
                  const QRect& screen);

// Shows `window` placed apart from `other`, whose `keepFree` (in its own coordinates)
// must stay in sight, without taking the keyboard from `other`; a minimised window comes
// back. Where the platform places windows itself, `other` becomes its transient parent,
// which keeps the two apart there.
void showApart(QWidget& window, QWidget& other, const QRect& keepFree);

}  // namespace ui
