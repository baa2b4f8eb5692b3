// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/application.h"

#include "app/gamefolder.h"
#include "ui/look.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace app {

namespace {

[[noreturn]] void endAtOnce(int exitCode) {
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

}  // namespace

bool loadDutchQtTexts() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_nl"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

Application::Application() : context_{dialogs_, random_, executableFolder(), endAtOnce} {
    // One look everywhere, whatever desktop theme and colours are installed.
    ui::applyReadableLook();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/toetsrace/icon.png")));
    loadDutchQtTexts();
    // A folder that cannot be made ready is told in a message box: started from the desktop's
    // menu, the player sees no terminal.
    context_.guard([this] { context_.programDir = gameFolder(); });
}

int Application::run(ui::Form& mainWindow) {
    context_.guard([&] { mainWindow.showForm(); });
    return QApplication::exec();
}

}  // namespace app
