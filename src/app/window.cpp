// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window.h"

#include "app/statistics.h"

#include <QShortcut>

namespace app {

void Window::offerStatistics() {
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(f2, &QShortcut::activated, this,
            [this] { ctx.guard([this] { ctx.statistics->showWindow(*this, keptFree()); }); });
}

}  // namespace app
