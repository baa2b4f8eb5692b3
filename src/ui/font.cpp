// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/font.h"

namespace ui {

QFont toQFont(const Font& font) {
    QFont f(QString::fromLatin1(font.face));
    f.setPointSizeF(font.points);
    f.setWeight(font.bold ? QFont::Bold : QFont::Normal);
    f.setStyleStrategy(QFont::PreferAntialias);
    if (font.stretch != QFont::Unstretched) {
        f.setStretch(font.stretch);
    }
    return f;
}

}  // namespace ui
