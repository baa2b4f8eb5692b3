// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/twips.h"

#include <QWidget>

#include <functional>

// What every control of the game's windows shares: geometry in twips, texts as
// Windows-1252 bytes, and handlers that Qt reaches only through the window's guard.
namespace ui {

using Handler = std::function<void()>;

// Every control carries its name as its objectName, so tests and accessibility tools find it.
void placeControl(QWidget& control, const TwipRect& rect);

enum class Align { Left, Centre, Right };

Qt::Alignment toQt(Align align);

}  // namespace ui
