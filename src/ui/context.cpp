#include "ui/context.h"

#include "ui/failure.h"

#include <QDir>

#include <new>

namespace ui {

void Context::guard(const std::function<void()>& handler) noexcept {
    int exitCode = 0;
    try {
        handler();
        return;
    } catch (const ProgramEnd& end) {
        exitCode = end.exitCode;
    } catch (const Failure& failure) {
        exitCode = 1;
        try {
            dialogs.msgBox(failure.what(), kCritical);
        } catch (...) {
        }
    } catch (const std::bad_alloc&) {
        exitCode = 1;
        try {
            dialogs.msgBox("Onvoldoende geheugen. Toetsrace sluit nu af.", kCritical);
        } catch (...) {
        }
    } catch (const std::exception& other) {
        exitCode = 1;
        try {
            dialogs.msgBox(
                std::string("Onverwachte fout: ") + other.what() + ". Toetsrace sluit nu af.",
                kCritical);
        } catch (...) {
        }
    }
    endProgram(exitCode);
}

QString Context::programFile(const char* name) const {
    return QDir(programDir).filePath(QString::fromLatin1(name));
}

}  // namespace ui
