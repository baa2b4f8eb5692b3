// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/form1.h"
#include "stats/typingstatistics.h"
#include "ui/application.h"
#include "ui/gamefolder.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

constexpr const char* kStatisticsOption = "--statistieken";
constexpr const char* kUsage =
    "Gebruik: toetsrace [--statistieken]\r\n"
    "Met --statistieken opent Toetsrace ook het venster met je typstatistieken.";

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Ties the windows to the desktop entry: the Wayland app id and the X11 window class.
    QGuiApplication::setDesktopFileName(QStringLiteral("nl.toetsrace.Toetsrace"));
    QCoreApplication::setApplicationName(QStringLiteral("nl.toetsrace.Toetsrace"));
    ui::Application toolkit;

    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const bool openStatistics = arguments == QStringList{QString::fromLatin1(kStatisticsOption)};
    if (!arguments.isEmpty() && !openStatistics) {
        std::fprintf(stderr, "Gebruik: toetsrace [--statistieken]\n");
        toolkit.context().dialogs.msgBox(kUsage, base::kCritical);
        // Ends at once, as every end of the game does.
        toolkit.context().endProgram(2);
        return 2;
    }

    stats::TypingStatistics statistics(ui::statisticsFile(toolkit.context().programDir));
    toolkit.context().statistics = &statistics;
    Form1 form(toolkit.context());
    if (openStatistics) {
        // Once the window manager has placed the main window, apart from it.
        auto* waiting = new QTimer(&form);
        QObject::connect(waiting, &QTimer::timeout, &form, [&form, &statistics, waiting] {
            const QWindow* shown = form.windowHandle();
            if (!shown || !shown->isExposed()) {
                return;
            }
            waiting->deleteLater();
            statistics.showWindow(form, form.keptFree());
        });
        waiting->start(50);
    }
    return toolkit.run(form);
}
