// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLockFile>
#include <QString>

#include <cstddef>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>

// The game's stored files: read whole, replaced whole, and only ever regular files.
// Several copies of the game may share one folder (a class on a network drive, or the game
// started twice); whoever replaces a file holds its lock meanwhile.
namespace data {

// A file that could not be read or saved: which file, what was asked of it, and what()
// names the cause in Dutch. The windows decide what the player is told.
class FileError : public std::runtime_error {
public:
    enum class Action { Read, Save };
    // What kind of trouble: most failures are the system's; a file that is not a regular
    // file, or one too large to take in, is refused before a byte is read.
    enum class Reason { Failed, NotRegularFile, TooLarge };
    FileError(const QString& path, Action action, const std::string& cause,
              Reason reason = Reason::Failed);
    const QString& path() const { return path_; }
    Action action() const { return action_; }
    Reason reason() const { return reason_; }

private:
    QString path_;
    Action action_;
    Reason reason_;
};

// What stands at a path, a symbolic link followed.
enum class FileKind { Missing, Regular, Other };
FileKind fileKind(const QString& path);

inline constexpr std::size_t kNoSizeLimit = std::numeric_limits<std::size_t>::max();

// Every byte of a regular file. Anything else (a folder, a FIFO, a device) and a file of
// more than `limit` bytes are refused from what the system says of them, before a byte is
// read, and left as they are. Throws FileError.
std::string readWholeFile(const QString& path, std::size_t limit = kNoSizeLimit);

// Writes a file that replaces the old one only when all of it is on disk: until commit()
// the stored file stays as it was, and a writer dropped without commit() leaves nothing
// behind. A symbolic link stays a link: the file it points to is replaced. The new file
// keeps the old one's owner, group and mode wherever the process may set them. Only a
// regular file is ever replaced. Every write is checked in full. Throws FileError.
class AtomicWriter {
public:
    explicit AtomicWriter(const QString& path);
    ~AtomicWriter();
    AtomicWriter(const AtomicWriter&) = delete;
    AtomicWriter& operator=(const AtomicWriter&) = delete;

    void write(std::string_view bytes);
    void commit();

private:
    [[noreturn]] void fail(const char* what, int error);
    QString path_;
    std::string target_;     // the file replaced, a link resolved
    std::string temporary_;  // beside it, until commit() renames it over the target
    int fd_ = -1;
};

// Replaces a file whole and atomically, as AtomicWriter does. Throws FileError.
void saveWholeFile(const QString& path, std::string_view bytes);

// Held while a stored file is read, changed and replaced, so that copies of the game that
// share a folder take turns. Taking it also removes the temporary files of that file that
// a killed save left behind: while the lock is held nobody else is writing one. A lock
// whose holder died is recovered (QLockFile's stale-lock handling). Throws FileError when
// another copy holds the lock too long; where no lock file can be made at all, the save
// goes ahead alone and meets the same trouble itself.
class FileLock {
public:
    explicit FileLock(const QString& path);

private:
    QLockFile lock_;
};

// Creates a file empty, unless there is one; under the file's lock, so that several copies
// of the game doing this at once each find it done. Throws FileError.
void createEmptyFileIfMissing(const QString& path);

// Copies a file where none is yet, the same way. Throws FileError.
void copyFileIfMissing(const QString& from, const QString& to);

}  // namespace data
