// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/application.h"
#include "app/gamefolder.h"
#include "app/launch.h"
#include "app/launch_texts.h"
#include "app/session.h"
#include "data/wordfile.h"
#include "game/form1.h"
#include "practice/window.h"
#include "stats/typingstatistics.h"
#include "version.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

// Exit statuses beside 0 and 1 (a failure told in a message box).
constexpr int kWrongArguments = 2;
constexpr int kNoWindowSystem = 3;

// Opens the statistics window once the window manager has placed the main window.
void showStatisticsWhenPlaced(Form1& form, stats::TypingStatistics& statistics) {
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

void comeForward(QWidget& form) {
    form.setWindowState(form.windowState() & ~Qt::WindowMinimized);
    form.show();
    form.raise();
    form.activateWindow();
}

}  // namespace

int main(int argc, char* argv[]) {
    // What the arguments ask is answered before any window system is needed.
    const app::Arguments arguments = app::readArguments({argv + std::min(argc, 1), argv + argc});
    switch (arguments.ask) {
        case app::Arguments::Ask::Help:
            std::fputs(launch_texts::kUsage, stdout);
            return 0;
        case app::Arguments::Ask::Version:
            std::printf("toetsrace %d.%d.%d\n", kVersionMajor, kVersionMinor, kVersionRevision);
            return 0;
        case app::Arguments::Ask::Wrong:
        case app::Arguments::Ask::Play:
            break;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::string why;
        const QByteArray system = app::chooseWindowSystem(app::currentSession(), why);
        if (system.isEmpty()) {
            app::tellWithoutWindow(why);
            return kNoWindowSystem;
        }
        qputenv("QT_QPA_PLATFORM", system);
    }

    QApplication qt(argc, argv);
    // Ties the windows to the desktop entry: the Wayland app id and the X11 window class.
    QGuiApplication::setDesktopFileName(QStringLiteral("nl.toetsrace.Toetsrace"));
    QCoreApplication::setApplicationName(QStringLiteral("nl.toetsrace.Toetsrace"));
    app::Application toolkit;
    if (arguments.ask == app::Arguments::Ask::Wrong) {
        std::fprintf(stderr, "%s\n", launch_texts::kUsageLine);
        toolkit.context().dialogs.msgBox(launch_texts::kUsageBox, base::kCritical);
        // Ends at once, as every end of the game does.
        toolkit.context().endProgram(kWrongArguments);
        return kWrongArguments;
    }

    const QString folder = toolkit.context().programDir;
    const QString busName = app::OneGame::busName(folder, app::installedGame());
    app::OneGame one(busName);
    if (!one.holdsName() && app::OneGame::handOver(busName, arguments.openStatistics)) {
        return 0;
    }
    stats::TypingStatistics statistics(app::statisticsFile(folder));
    toolkit.context().statistics = &statistics;
    Form1 form(toolkit.context());
    one.comeForward = [&form] { comeForward(form); };
    one.showStatistics = [&form, &statistics] { statistics.showWindow(form, form.keptFree()); };
    practice::PracticeWindow practice(statistics.store(),
                                      toolkit.context().programFile(data::kWordFile));
    statistics.offerPractice([&form, &practice] { practice.open(form, form.keptFree()); });
    if (arguments.openStatistics) {
        showStatisticsWhenPlaced(form, statistics);
    }
    return toolkit.run(form);
}
