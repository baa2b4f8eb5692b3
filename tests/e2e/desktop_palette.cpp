// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints the window colour that the desktop gives a Qt program with no look of its own, so
// that a test knows its desktop really is dark before it looks at the game on it.
#include <QApplication>
#include <QPalette>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    std::printf("%s\n", qPrintable(QApplication::palette().color(QPalette::Window).name()));
}
