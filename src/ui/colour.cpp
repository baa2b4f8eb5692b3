// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/colour.h"

#include <QGuiApplication>
#include <QPalette>

namespace ui {

QColor Colour::toQColor() const {
    if (!isSystem()) {
        return QColor(red(), green(), blue());
    }
    const QPalette palette = QGuiApplication::palette();
    switch (static_cast<SystemColour>(value_ & ~kSystemFlag)) {
        case SystemColour::WindowBackground:
            return palette.color(QPalette::Base);
        case SystemColour::WindowText:
            return palette.color(QPalette::Text);
        case SystemColour::ButtonText:
            return palette.color(QPalette::ButtonText);
        case SystemColour::ButtonFace:
        default:
            return palette.color(QPalette::Window);
    }
}

}  // namespace ui
