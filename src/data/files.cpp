// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/files.h"

#include "base/syserror.h"
#include "base/text.h"
#include "data/filelock.h"
#include "data/sharing.h"

#include <QFile>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace data {

namespace {

// A save's temporary file: the target's name, this mark and six random characters. The
// mark keeps them apart from anything else that may stand beside the file.
constexpr std::string_view kTemporaryMark = ".toetsrace-";
constexpr std::size_t kRandomCharacters = 6;

std::string bytesOf(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::string tooLarge(std::size_t size, std::size_t limit) {
    return "het is te groot (" + std::to_string(size) + " bytes, hooguit " + std::to_string(limit) +
           " passen)";
}

// The file that a save replaces: a symbolic link is followed, so the link stays and the
// file it points to gets the new content.
std::string targetOf(const std::string& path) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) != nullptr) {
        return resolved;
    }
    // A link to a file that is not there yet: the file is created where the link points.
    struct stat link {};
    char target[PATH_MAX];
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        const ssize_t n = ::readlink(path.c_str(), target, sizeof target - 1);
        if (n > 0) {
            const std::string pointed(target, static_cast<std::size_t>(n));
            if (pointed.front() == '/') {
                return pointed;
            }
            const std::size_t slash = path.rfind('/');
            return slash == std::string::npos ? pointed : path.substr(0, slash + 1) + pointed;
        }
    }
    return path;
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void removeTemporariesOf(const std::string& target) {
    const std::string folder = folderOf(target);
    const std::string prefix = nameOf(target) + std::string(kTemporaryMark);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name.size() == prefix.size() + kRandomCharacters && name.starts_with(prefix)) {
            ::unlink((folder + "/" + std::string(name)).c_str());
        }
    }
    ::closedir(dir);
}

ssize_t readSome(const QString& path, int fd, char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd, buffer, size);
        if (n >= 0) {
            return n;
        }
        if (errno != EINTR) {
            throw FileError(path, FileError::Action::Read, causeOf("lezen mislukt", errno));
        }
    }
}

}  // namespace

FileError::FileError(const QString& path, Action action, const std::string& cause, Reason reason)
    : std::runtime_error(cause), path_(path), action_(action), reason_(reason) {}

std::string causeOf(const char* what, int error) {
    std::string cause = std::string(what) + ": " + base::dutchSystemError(error);
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            cause = "te weinig schijfruimte of systeembronnen";
            break;
        case EACCES:
        case EPERM:
            cause = "geen toegang";
            break;
        case EROFS:
            cause = "de schijf is alleen-lezen";
            break;
        case EFBIG:
            cause = "het bestand zou te groot worden";
            break;
        default:
            break;
    }
    return cause + " (" + base::toBytesLossy(QString::fromLocal8Bit(std::strerror(error))) + ")";
}

std::string kindOf(unsigned mode) {
    if (S_ISLNK(mode)) {
        return "een koppeling (symbolic link)";
    }
    if (S_ISDIR(mode)) {
        return "een map";
    }
    if (S_ISFIFO(mode)) {
        return "een FIFO (named pipe)";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "een apparaat";
    }
    return S_ISSOCK(mode) ? "een socket" : "iets anders";
}

std::string notRegular(unsigned mode) {
    return "het is geen gewoon bestand, maar " + kindOf(mode);
}

FileKind fileKind(const QString& path) {
    try {
        refuseForeignLink(path, FileError::Action::Read);
    } catch (const FileError&) {
        return FileKind::Other;
    }
    struct stat status {};
    if (::stat(bytesOf(path).c_str(), &status) != 0) {
        return errno == ENOENT || errno == ENOTDIR ? FileKind::Missing : FileKind::Other;
    }
    return S_ISREG(status.st_mode) ? FileKind::Regular : FileKind::Other;
}

namespace {

// Reads what a file announces, then whatever it grew by meanwhile. A network client may
// announce the size an older version had and read no further; sizeAsStored asks first.
std::string readAsAnnounced(const QString& path, int fd, std::size_t size, std::size_t limit) {
    std::string bytes(size, '\0');
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = readSome(path, fd, bytes.data() + got, size - got);
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    char chunk[65536];
    while (const ssize_t n = readSome(path, fd, chunk, sizeof chunk)) {
        if (bytes.size() + static_cast<std::size_t>(n) > limit) {
            throw FileError(path, FileError::Action::Read, tooLarge(bytes.size() + n, limit),
                            FileError::Reason::TooLarge);
        }
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
    return bytes;
}

std::optional<std::string> readFile(const QString& path, std::size_t limit, bool missingIsEmpty) {
    refuseForeignLink(path, FileError::Action::Read);
    // Not blocking: opening a FIFO would otherwise wait for a writer for ever.
    const int fd = ::open(bytesOf(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (missingIsEmpty && errno == ENOENT) {
            return std::nullopt;
        }
        throw FileError(path, FileError::Action::Read, causeOf("openen mislukt", errno));
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        throw FileError(path, FileError::Action::Read, causeOf("lezen mislukt", errno));
    }
    if (!S_ISREG(status.st_mode)) {
        throw FileError(path, FileError::Action::Read, notRegular(status.st_mode),
                        FileError::Reason::NotRegularFile);
    }
    const auto size = static_cast<std::size_t>(sizeAsStored(fd, status));
    if (size > limit) {
        throw FileError(path, FileError::Action::Read, tooLarge(size, limit),
                        FileError::Reason::TooLarge);
    }
    return readAsAnnounced(path, fd, size, limit);
}

}  // namespace

std::string readWholeFile(const QString& path, std::size_t limit) {
    return *readFile(path, limit, false);
}

std::optional<std::string> readWholeFileIfAny(const QString& path, std::size_t limit) {
    return readFile(path, limit, true);
}

AtomicWriter::AtomicWriter(const QString& path) : path_(path) {
    refuseForeignLink(path, FileError::Action::Save);
    target_ = targetOf(bytesOf(path));
    struct stat old {};
    const bool replacing = ::stat(target_.c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) {
        throw FileError(path_, FileError::Action::Save, notRegular(old.st_mode),
                        FileError::Reason::NotRegularFile);
    }
    temporary_ = target_ + std::string(kTemporaryMark) + std::string(kRandomCharacters, 'X');
    fd_ = ::mkostemp(temporary_.data(), O_CLOEXEC);
    if (fd_ < 0) {
        const int error = errno;
        temporary_.clear();
        fail("aanmaken mislukt", error);
    }
    // The owner first: changing it may clear the set-id bits of the mode.
    if (replacing && (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
        ::fchown(fd_, old.st_uid, old.st_gid) != 0 &&
        ::fchown(fd_, static_cast<uid_t>(-1), old.st_gid) != 0) {
        // Not allowed to give the file away, nor its group: the file becomes this user's.
        errno = 0;
    }
    struct stat folder {};
    if (!replacing && ::stat(folderOf(target_).c_str(), &folder) == 0) {
        takeFolderGroup(fd_, folder);
    }
    if (::fchmod(fd_, replacing ? old.st_mode & 07777 : newFileMode()) != 0) {
        fail("rechten zetten mislukt", errno);
    }
}

AtomicWriter::~AtomicWriter() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
    }
}

void AtomicWriter::write(std::string_view bytes) {
    // A short write is followed by another for the rest, so that a full disk or an I/O
    // error shows itself with its own cause.
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            fail("schrijven mislukt", errno);
        }
        if (n == 0) {
            fail("schrijven mislukt", EIO);
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

void AtomicWriter::commit() {
    flush();
    replace();
}

bool AtomicWriter::commit(FileLock& lock) {
    flush();
    // As late as can be: a holder stopped for a while finds out here, before it replaces
    // what others saved meanwhile.
    if (!lock.confirm()) {
        return false;
    }
    replace();
    return true;
}

void AtomicWriter::flush() {
    if (::fsync(fd_) != 0) {
        fail("schrijven mislukt", errno);
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        fail("schrijven mislukt", errno);
    }
}

void AtomicWriter::replace() {
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        fail("vervangen mislukt", errno);
    }
    temporary_.clear();
    // The rename itself reaches the disk with the folder.
    const int folder = ::open(folderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

void AtomicWriter::fail(const char* what, int error) {
    throw FileError(path_, FileError::Action::Save, causeOf(what, error));
}

bool replaceWhileHolding(FileLock& lock, const QString& path,
                         const std::function<void(AtomicWriter&)>& fill) {
    try {
        AtomicWriter writer(path);
        fill(writer);
        return writer.commit(lock);
    } catch (const FileError&) {
        if (!lock.confirm()) {
            return false;
        }
        throw;
    }
}

void saveWholeFile(const QString& path, std::string_view bytes) {
    AtomicWriter writer(path);
    writer.write(bytes);
    writer.commit();
}

void removeStaleTemporaries(const QString& path) {
    removeTemporariesOf(targetOf(bytesOf(path)));
}

namespace {

// Missing as the server says: a network client may still show a file gone, never the
// other way round, but opening asks the server itself.
bool surelyMissing(const QString& path) {
    if (fileKind(path) != FileKind::Missing) {
        return false;
    }
    const int fd = ::open(bytesOf(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return false;
    }
    return errno == ENOENT;
}

}  // namespace

void createEmptyFileIfMissing(const QString& path) {
    const FileLock lock(path);
    if (surelyMissing(path)) {
        saveWholeFile(path, {});
    }
}

void copyFileIfMissing(const QString& from, const QString& to) {
    const FileLock lock(to);
    if (surelyMissing(to)) {
        saveWholeFile(to, readWholeFile(from));
    }
}

}  // namespace data
