// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/application.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace ui {

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

Application::Application()
    : context_{dialogs_, random_, QCoreApplication::applicationDirPath(), endAtOnce} {
    // One look everywhere, whatever desktop theme is installed.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/toetsrace/icon.png")));
    loadDutchQtTexts();
}

int Application::run(Form& mainWindow) {
    context_.guard([&] { mainWindow.showForm(); });
    return QApplication::exec();
}

}  // namespace ui
