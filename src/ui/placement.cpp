// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <limits>
#include <tuple>

namespace ui {

namespace {

qint64 area(const QRect& a, const QRect& b) {
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : qint64{both.width()} * both.height();
}

}  // namespace

QPoint placeApart(const QRect& other, const QRect& keepFree, const QSize& size,
                  const QRect& screen) {
    constexpr int kGap = 8;
    const int xs[] = {other.right() + 1 + kGap, other.left() - kGap - size.width(), other.left(),
                      screen.left(), screen.right() + 1 - size.width()};
    const int ys[] = {other.top(), other.bottom() + 1 + kGap, other.top() - kGap - size.height(),
                      screen.top(), screen.bottom() + 1 - size.height()};
    QPoint best = other.topLeft();
    auto bestCost = std::make_tuple(std::numeric_limits<qint64>::max(), qint64{0}, qint64{0});
    for (const int x : xs) {
        for (const int y : ys) {
            const QPoint at(
                std::clamp(x, screen.left(),
                           std::max(screen.left(), screen.right() + 1 - size.width())),
                std::clamp(y, screen.top(),
                           std::max(screen.top(), screen.bottom() + 1 - size.height())));
            const QRect placed(at, size);
            const QPoint away = placed.center() - other.center();
            const auto cost = std::make_tuple(area(placed, keepFree), area(placed, other),
                                              qint64{away.manhattanLength()});
            if (cost < bestCost) {
                bestCost = cost;
                best = at;
            }
        }
    }
    return best;
}

void showApart(QWidget& window, QWidget& other, const QRect& keepFree) {
    window.setAttribute(Qt::WA_ShowWithoutActivating);
    if (window.isMinimized()) {
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    }
    if (!window.isVisible()) {
        const bool placesItself =
            QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
        if (placesItself) {
            // A window tied to the game as its transient child is put over the game by
            // the usual compositors; one of its own they place where there is room.
            window.winId();
            if (window.windowHandle()) {
                window.windowHandle()->setTransientParent(nullptr);
            }
        } else if (const QScreen* screen = other.screen()) {
            const QRect frame = other.frameGeometry();
            const QPoint inset = other.geometry().topLeft() - frame.topLeft();
            const QRect free(other.mapToGlobal(keepFree.topLeft()), keepFree.size());
            // A window's frame is known only once it shows: count on one like the other's.
            const QSize size = window.size() + QSize(2 * inset.x(), inset.y() + inset.x());
            window.move(placeApart(frame, free, size, screen->availableGeometry()));
        }
    }
    window.show();
    window.raise();
}

}  // namespace ui
