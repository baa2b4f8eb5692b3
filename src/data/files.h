// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSaveFile>
#include <QString>

#include <stdexcept>
#include <string>
#include <string_view>

namespace data {

// A file that could not be read or saved: which file, what was asked of it, and what()
// names the cause in Dutch. The windows decide what the player is told.
class FileError : public std::runtime_error {
public:
    enum class Action { Read, Save };
    FileError(const QString& path, Action action, const std::string& cause);
    const QString& path() const { return path_; }
    Action action() const { return action_; }

private:
    QString path_;
    Action action_;
};

// The cause of a failed file operation, in Dutch, with the system's own words after it.
std::string describeFailure(const QFileDevice& file);

// Every byte of a file. Throws FileError.
std::string readWholeFile(const QString& path);

// Writes a file that replaces the old one only when all of it is on disk: until commit()
// the stored file stays as it was, and a writer dropped without commit() leaves nothing
// behind. Every write is checked in full. Throws FileError.
class AtomicWriter {
public:
    explicit AtomicWriter(const QString& path);
    void write(std::string_view bytes);
    void commit();

private:
    [[noreturn]] void fail();
    QSaveFile file_;
    QString path_;
};

// Replaces a file whole and atomically: until the new content is complete on disk the old
// file stays as it was. Throws FileError.
void saveWholeFile(const QString& path, std::string_view bytes);

}  // namespace data
