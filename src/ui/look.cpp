// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/look.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

#include <algorithm>
#include <cmath>

namespace ui {

QPalette readablePalette() {
    QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    const QPalette light = fusion ? fusion->standardPalette() : QPalette(QColor(240, 240, 240));
    delete fusion;
    // Every role set by hand, so that none is taken from the desktop's palette later.
    QPalette palette;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            palette.setColor(g, r, light.color(g, r));
        }
    }
    return palette;
}

void applyReadableLook() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(readablePalette());
}

double contrastRatio(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& colour) {
        const auto channel = [](double value) {
            return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
               0.0722 * channel(colour.blueF());
    };
    const double lighter = std::max(luminance(a), luminance(b));
    const double darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

}  // namespace ui
