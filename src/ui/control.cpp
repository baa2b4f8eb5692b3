// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/control.h"

namespace ui {

void placeControl(QWidget& control, const TwipRect& rect) {
    control.setGeometry(toPixels(rect));
}

Qt::Alignment toQt(Align align) {
    switch (align) {
        case Align::Centre:
            return Qt::AlignHCenter;
        case Align::Right:
            return Qt::AlignRight;
        case Align::Left:
        default:
            return Qt::AlignLeft;
    }
}

}  // namespace ui
