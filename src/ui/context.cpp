// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/context.h"

#include "base/failure.h"
#include "base/text.h"
#include "ui/statistics.h"

#include <QDir>
#include <QFileInfo>

#include <new>

namespace ui {

namespace {

// What the guard tells the player about a failure that ends the program.
std::string messageFor(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const data::FileError& error) {
        return fileErrorMessage(error);
    } catch (const base::Failure& error) {
        return error.what();
    } catch (const std::bad_alloc&) {
        return "Onvoldoende geheugen. Toetsrace sluit nu af.";
    } catch (const std::exception& other) {
        return std::string("Onverwachte fout: ") + other.what() + ". Toetsrace sluit nu af.";
    }
}

}  // namespace

void Context::guard(const std::function<void()>& handler) noexcept {
    int exitCode = 1;
    try {
        handler();
        return;
    } catch (const base::ProgramEnd& end) {
        exitCode = end.exitCode;
    } catch (const std::exception&) {
        try {
            dialogs.msgBox(messageFor(std::current_exception()), base::kCritical);
        } catch (...) {
        }
    }
    endProgram(exitCode);
}

Statistics& noStatistics() {
    static Statistics none;
    return none;
}

QString Context::programFile(const char* name) const {
    return QDir(programDir).filePath(QString::fromLatin1(name));
}

std::string fileErrorMessage(const data::FileError& error) {
    const QFileInfo where(error.path());
    // A folder reached through a handle (see executableFolder) is named by what it is.
    QString folder = where.absolutePath();
    if (folder.startsWith(QLatin1String("/proc/self/fd/"))) {
        folder = QFileInfo(folder).symLinkTarget();
    }
    const char* verb =
        error.action() == data::FileError::Action::Save ? " niet opslaan in " : " niet lezen uit ";
    return "Toetsrace kan " + base::toBytesLossy(where.fileName()) + verb +
           base::toBytesLossy(folder) + ": " + error.what() +
           ". Het bestand is niet veranderd. Toetsrace sluit nu af.";
}

}  // namespace ui
