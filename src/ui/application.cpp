// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/application.h"

#include "ui/gamefolder.h"
#include "ui/look.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include <climits>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

namespace ui {

namespace {

[[noreturn]] void endAtOnce(int exitCode) {
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

}  // namespace

QString executableFolder() {
    char path[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) {
        return QCoreApplication::applicationDirPath();
    }
    const QByteArray executable(path, n);
    const qsizetype slash = executable.lastIndexOf('/');
    const QByteArray bytes = slash <= 0 ? QByteArray("/") : executable.left(slash);
    const QString folder = QFile::decodeName(bytes);
    if (QFile::encodeName(folder) == bytes) {
        return folder;
    }
    const int fd = ::open(bytes.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return fd < 0 ? folder : QStringLiteral("/proc/self/fd/%1").arg(fd);
}

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
    applyReadableLook();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/toetsrace/icon.png")));
    loadDutchQtTexts();
    // A folder that cannot be made ready is told in a message box: started from the desktop's
    // menu, the player sees no terminal.
    context_.guard([this] { context_.programDir = gameFolder(); });
}

int Application::run(Form& mainWindow) {
    context_.guard([&] { mainWindow.showForm(); });
    return QApplication::exec();
}

}  // namespace ui
