// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for the game's CPU share: a minimal Qt program that only moves one label by
// one pixel at the game's tick rate.
#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("minimal mover"));
    window.resize(716, 404);
    QLabel label(QStringLiteral("woord"), &window);
    label.move(700, 150);
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(16);
    QObject::connect(&timer, &QTimer::timeout,
                     [&] { label.move(label.x() > 0 ? label.x() - 1 : 700, label.y()); });
    window.show();
    timer.start();
    return app.exec();
}
