// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstddef>
#include <functional>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// The game's stored files: read whole, replaced whole, and only ever regular files.
// Several copies of the game may share one folder (a class on a network drive, or the game
// started twice); whoever replaces a file holds its lock meanwhile (filelock.h).
namespace data {

class FileLock;

// A file that could not be read or saved: which file, what was asked of it, and what()
// names the cause in Dutch. The windows decide what the player is told.
class FileError : public std::runtime_error {
public:
    enum class Action { Read, Save };
    // What kind of trouble: most failures are the system's; a file that is not a regular
    // file, or one too large to take in, is refused before a byte is read, and so is a link
    // that someone else planted. A lock that another copy of the game holds too long, or
    // something that is no lock file where the lock goes, stops a save without a failure
    // of the file itself: the save can be tried again.
    enum class Reason { Failed, NotRegularFile, TooLarge, ForeignLink, Busy, LockUnusable };
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

// What stands at a path, a symbolic link followed; a link that someone else planted in a
// shared folder is Other, whatever it points to.
enum class FileKind { Missing, Regular, Other };
FileKind fileKind(const QString& path);

// What a file of this mode (st_mode) is that is no regular file: "een map", "een FIFO…"; and
// the cause that says so.
std::string kindOf(unsigned mode);
std::string notRegular(unsigned mode);

// The cause of a failed system call, in Dutch, with the system's own words after it; `what`
// names the step where the error number says nothing more.
std::string causeOf(const char* what, int error);

inline constexpr std::size_t kNoSizeLimit = std::numeric_limits<std::size_t>::max();

// Every byte of a regular file. Anything else (a folder, a FIFO, a device), a link planted
// by someone else and a file of more than `limit` bytes are refused from what the system
// says of them, before a byte is read, and left as they are. On a network file system the
// bytes come from the server, never from what the client cached of an older version.
// Throws FileError.
std::string readWholeFile(const QString& path, std::size_t limit = kNoSizeLimit);

// The same, or nothing when no file is there.
std::optional<std::string> readWholeFileIfAny(const QString& path,
                                              std::size_t limit = kNoSizeLimit);

// Writes a file that replaces the old one only when all of it is on disk: until commit()
// the stored file stays as it was, and a writer dropped without commit() leaves nothing
// behind. A symbolic link stays a link: the file it points to is replaced; a link planted by
// someone else in a shared folder is refused. The new file keeps the old one's owner, group
// and mode wherever the process may set them; a file made anew follows the umask and the
// folder's group. Only a regular file is ever replaced. Every write is checked in full.
// Throws FileError.
class AtomicWriter {
public:
    explicit AtomicWriter(const QString& path);
    ~AtomicWriter();
    AtomicWriter(const AtomicWriter&) = delete;
    AtomicWriter& operator=(const AtomicWriter&) = delete;

    void write(std::string_view bytes);
    void commit();
    // Commits only while `lock` is still this holder's; false, with the stored file as it
    // was, when it was taken over meanwhile.
    bool commit(FileLock& lock);

private:
    [[noreturn]] void fail(const char* what, int error);
    void flush();
    void replace();
    QString path_;
    std::string target_;     // the file replaced, a link resolved
    std::string temporary_;  // beside it, until commit() renames it over the target
    int fd_ = -1;
};

// Replaces the file with what `fill` writes, if `lock` is still held once all of it is on
// disk. False when another copy took the lock over meanwhile: nothing is replaced then, and
// a failure that came of the takeover (that copy cleared the temporary file) is none.
bool replaceWhileHolding(FileLock& lock, const QString& path,
                         const std::function<void(AtomicWriter&)>& fill);

// Replaces a file whole and atomically, as AtomicWriter does. Throws FileError.
void saveWholeFile(const QString& path, std::string_view bytes);

// Removes what earlier saves of the file left behind when they were killed. Only for the
// holder of the file's lock: while it is held nobody else is writing one.
void removeStaleTemporaries(const QString& path);

// Creates a file empty, unless there is one; under the file's lock, so that several copies
// of the game doing this at once each find it done. Throws FileError.
void createEmptyFileIfMissing(const QString& path);

// Copies a file where none is yet, the same way. Throws FileError.
void copyFileIfMissing(const QString& from, const QString& to);

}  // namespace data
