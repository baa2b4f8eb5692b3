// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/context.h"

#include "app/statistics.h"
#include "base/failure.h"
#include "base/text.h"

#include <QDir>
#include <QFileInfo>

#include <new>
#include <utility>

namespace app {

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
        // The Dutch first; the technical text only follows, in brackets.
        return std::string("Er ging iets onverwachts mis in Toetsrace (") + other.what() +
               "). Toetsrace sluit nu af.";
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

namespace {

// The file's name and its folder; a folder reached through a handle (see executableFolder)
// is named by what it is.
std::pair<std::string, std::string> placeOf(const data::FileError& error) {
    const QFileInfo where(error.path());
    QString folder = where.absolutePath();
    if (folder.startsWith(QLatin1String("/proc/self/fd/"))) {
        folder = QFileInfo(folder).symLinkTarget();
    }
    return {base::toBytesLossy(where.fileName()), base::toBytesLossy(folder)};
}

}  // namespace

std::string fileErrorMessage(const data::FileError& error) {
    const auto [file, folder] = placeOf(error);
    const char* verb =
        error.action() == data::FileError::Action::Save ? " niet opslaan in " : " niet lezen uit ";
    return "Toetsrace kan " + file + verb + folder + ": " + error.what() +
           ". Het bestand is niet veranderd. Toetsrace sluit nu af.";
}

bool canSaveLater(const data::FileError& error) {
    using Reason = data::FileError::Reason;
    return error.reason() == Reason::Busy || error.reason() == Reason::LockUnusable ||
           error.reason() == Reason::ForeignLink;
}

std::string saveLaterQuestion(const data::FileError& error, std::string_view meanwhile) {
    const auto [file, folder] = placeOf(error);
    return "Toetsrace kan " + file + " nu niet opslaan in " + folder + ": " + error.what() +
           ".\r\n" + std::string(meanwhile) + "\r\nNog een keer proberen?";
}

}  // namespace app
