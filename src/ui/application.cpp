#include "ui/application.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>

namespace ui {

namespace {

[[noreturn]] void endAtOnce(int exitCode) {
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

}  // namespace

Application::Application()
    : context_{dialogs_, random_, QCoreApplication::applicationDirPath(), endAtOnce} {
    // One look everywhere, whatever desktop theme is installed.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/toetsrace/icon.png")));
}

int Application::run(Form& mainWindow) {
    context_.guard([&] { mainWindow.showForm(); });
    return QApplication::exec();
}

}  // namespace ui
