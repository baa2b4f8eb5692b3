// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/filelock.h"

#include "data/files.h"
#include "data/sharing.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace data {

namespace {

using SteadyClock = std::chrono::steady_clock;

constexpr std::size_t kLargestLockFile = 4096;
constexpr const char* kLockMark = "Toetsrace-slot";
// After a failed create that left no lock behind, how often to try again before the folder
// itself is taken to refuse new files.
constexpr int kCreateTriesWithoutLock = 5;

std::string firstLineOf(const char* file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

std::string machineId() {
    std::string id = firstLineOf("/etc/machine-id");
    return id.empty() ? firstLineOf("/var/lib/dbus/machine-id") : id;
}

std::string hostName() {
    char name[256] = {};
    return ::gethostname(name, sizeof name - 1) == 0 ? name : "";
}

std::string pidNamespace() {
    char target[128] = {};
    const ssize_t n = ::readlink("/proc/self/ns/pid", target, sizeof target - 1);
    return n > 0 ? std::string(target, static_cast<std::size_t>(n)) : "";
}

// When a process started, in clock ticks since boot: a pid used again is another process.
std::string startOf(const std::string& pid) {
    const std::string stat = firstLineOf(("/proc/" + pid + "/stat").c_str());
    const std::size_t name = stat.rfind(')');
    if (name == std::string::npos) {
        return "";
    }
    std::istringstream fields(stat.substr(name + 1));
    std::string field;
    for (int i = 0; i < 20 && fields >> field; ++i) {
    }
    return field;
}

std::string userName() {
    const struct passwd* user = ::getpwuid(::geteuid());
    return user ? user->pw_name : std::to_string(::geteuid());
}

// A value goes on one line of its own.
std::string clean(std::string value) {
    for (char& c : value) {
        if (c == '\n' || c == '\r' || c == '=') {
            c = '_';
        }
    }
    return value;
}

std::string randomToken() {
    std::random_device device;
    char token[17];
    std::snprintf(token, sizeof token, "%08x%08x", device(), device());
    return token;
}

using Fields = std::map<std::string, std::string>;

Fields fieldsOf(const std::string& content) {
    Fields fields;
    std::istringstream lines(content);
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos) {
            fields[line.substr(0, equals)] = line.substr(equals + 1);
        }
    }
    return fields;
}

// What stands at the lock's name.
struct Look {
    enum class Kind { Missing, Held, Unusable, Failed } kind;
    std::string content;  // Held: what the holder wrote
    std::string what;     // Unusable: what it is instead
    int error = 0;        // Failed
};

// The first bytes of an open lock file, as stored (see sizeAsStored).
std::string readLock(int fd, const struct stat& status) {
    const auto size = std::min<std::size_t>(
        static_cast<std::size_t>(std::max<off_t>(sizeAsStored(fd, status), 0)), kLargestLockFile);
    std::string content(size, '\0');
    std::size_t got = 0;
    while (got < content.size()) {
        const ssize_t n =
            ::pread(fd, content.data() + got, content.size() - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    content.resize(got);
    return content;
}

// Looks without ever opening what is not a regular file: a FIFO would block, a device
// could read without end.
Look lookAt(const std::string& lockPath) {
    struct stat status {};
    if (::lstat(lockPath.c_str(), &status) != 0) {
        return errno == ENOENT ? Look{Look::Kind::Missing, {}, {}, 0}
                               : Look{Look::Kind::Failed, {}, {}, errno};
    }
    if (!S_ISREG(status.st_mode)) {
        return {Look::Kind::Unusable, {}, kindOf(status.st_mode), 0};
    }
    const int fd = ::open(lockPath.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        // A network client may still show a lock that is gone.
        if (errno == ENOENT) {
            return {Look::Kind::Missing, {}, {}, 0};
        }
        return errno == ELOOP ? Look{Look::Kind::Unusable, {}, kindOf(S_IFLNK), 0}
                              : Look{Look::Kind::Failed, {}, {}, errno};
    }
    Look look{Look::Kind::Held, {}, {}, 0};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        look = {Look::Kind::Unusable, {}, kindOf(status.st_mode), 0};
    } else {
        look.content = readLock(fd, status);
    }
    ::close(fd);
    return look;
}

// A holder on this very machine, in this very process namespace, that has ended. Only
// there can a process be looked up; anywhere else the heartbeat tells.
bool holderEnded(const Fields& holder) {
    const auto field = [&](const char* key) {
        const auto found = holder.find(key);
        return found == holder.end() ? std::string() : found->second;
    };
    if (field("machine").empty() || field("machine") != machineId() ||
        field("host") != hostName() ||
        field("boot") != firstLineOf("/proc/sys/kernel/random/boot_id") ||
        field("pidns") != pidNamespace()) {
        return false;
    }
    const std::string pidText = field("pid");
    char* end = nullptr;
    const long pid = std::strtol(pidText.c_str(), &end, 10);
    if (pid <= 0 || *end != '\0') {
        return false;
    }
    const bool exists = ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
    return !exists || startOf(std::to_string(pid)) != field("start");
}

// Who holds the lock, as the player is told.
std::string holderOf(const std::string& content) {
    const Fields holder = fieldsOf(content);
    const auto host = holder.find("host");
    if (host == holder.end()) {
        return "een ander programma houdt het bezet";
    }
    const auto user = holder.find("user");
    const std::string who = user == holder.end() ? "" : " (" + user->second + ")";
    if (host->second == hostName() && holder.count("machine") &&
        holder.at("machine") == machineId()) {
        return "een ander venster van Toetsrace op deze pc" + who + " houdt het bezet";
    }
    return "Toetsrace op pc " + host->second + who + " houdt het bezet";
}

void pause(int fromMs, int toMs) {
    static thread_local std::minstd_rand jitter{std::random_device{}()};
    std::uniform_int_distribution<int> ms(fromMs, toMs);
    std::this_thread::sleep_for(std::chrono::milliseconds(ms(jitter)));
}

}  // namespace

FileLock::FileLock(const QString& path, const LockTimes& times)
    : times_(times), lockPath_(QFile::encodeName(path + QStringLiteral(".lock")).toStdString()) {
    identity_ = std::string(kLockMark) + "\nmachine=" + clean(machineId()) +
                "\nhost=" + clean(hostName()) +
                "\nboot=" + clean(firstLineOf("/proc/sys/kernel/random/boot_id")) +
                "\npidns=" + clean(pidNamespace()) + "\npid=" + std::to_string(::getpid()) +
                "\nstart=" + clean(startOf("self")) + "\nuser=" + clean(userName());
    token_ = randomToken();
    take(path);
    startHeartbeat();
    removeStaleTemporaries(path);
}

FileLock::~FileLock() {
    {
        const std::lock_guard<std::mutex> guard(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (heart_.joinable()) {
        heart_.join();
    }
    // Closed before it goes: a network client keeps a file removed while open under
    // another name until it is closed.
    ::close(fd_);
    if (holds()) {
        ::unlink(lockPath_.c_str());
    }
}

std::string FileLock::content(unsigned long beats) const {
    char count[32];
    std::snprintf(count, sizeof count, "%010lu", beats);
    return identity_ + "\ntoken=" + token_ + "\nbeat=" + count + "\n";
}

bool FileLock::tryCreate() {
    fd_ = ::open(lockPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd_ < 0) {
        return false;
    }
    struct stat folder {};
    if (::stat(folderOf(lockPath_).c_str(), &folder) == 0) {
        takeFolderGroup(fd_, folder);
    }
    const std::string first = content(0);
    if (::pwrite(fd_, first.data(), first.size(), 0) != static_cast<ssize_t>(first.size())) {
        const int error = errno;
        ::close(fd_);
        fd_ = -1;
        ::unlink(lockPath_.c_str());
        errno = error == 0 ? EIO : error;
        return false;
    }
    return true;
}

void FileLock::take(const QString& path) {
    const auto started = SteadyClock::now();
    const auto elapsedMs = [](SteadyClock::time_point since) {
        return std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - since)
            .count();
    };
    const std::string lockName = QFile::encodeName(path).toStdString();
    const std::string shownName = lockName.substr(lockName.rfind('/') + 1) + ".lock";
    int triesWithoutLock = 0;
    std::string seen;
    auto seenSince = started;
    for (;;) {
        if (tryCreate()) {
            return;
        }
        const int createError = errno;
        const Look look = lookAt(lockPath_);
        switch (look.kind) {
            case Look::Kind::Missing:
                // Gone since the create failed, or never there: a folder that takes no new
                // file fails the same way every time.
                if (createError != EEXIST && ++triesWithoutLock >= kCreateTriesWithoutLock) {
                    throw FileError(path, FileError::Action::Save,
                                    causeOf("vergrendelen mislukt", createError));
                }
                break;
            case Look::Kind::Unusable:
                throw FileError(path, FileError::Action::Save,
                                shownName + " is geen slotbestand maar " + look.what +
                                    "; haal het weg, dan kan Toetsrace weer opslaan",
                                FileError::Reason::LockUnusable);
            case Look::Kind::Failed:
                throw FileError(path, FileError::Action::Save,
                                causeOf("vergrendelen mislukt", look.error));
            case Look::Kind::Held:
                triesWithoutLock = 0;
                if (look.content != seen) {
                    seen = look.content;
                    seenSince = SteadyClock::now();
                }
                if (holderEnded(fieldsOf(seen)) || elapsedMs(seenSince) >= times_.staleMs) {
                    // Only the lock that was seen goes: a new holder's stays.
                    if (lookAt(lockPath_).content == seen) {
                        ::unlink(lockPath_.c_str());
                    }
                    seen.clear();
                    continue;
                }
                break;
        }
        if (elapsedMs(started) >= times_.waitMs) {
            throw FileError(path, FileError::Action::Save, holderOf(seen), FileError::Reason::Busy);
        }
        pause(20, 120);
    }
}

void FileLock::startHeartbeat() {
    heart_ = std::thread([this] {
        std::unique_lock<std::mutex> guard(mutex_);
        while (!wake_.wait_for(guard, std::chrono::milliseconds(times_.beatMs),
                               [this] { return stopping_; })) {
            beat();
        }
    });
}

// The same length every time, so a beat only ever overwrites the one before. A beat that
// fails (a network hiccup) is followed by the next.
void FileLock::beat() {
    const std::string now = content(++beats_);
    if (::pwrite(fd_, now.data(), now.size(), 0) < 0) {
        errno = 0;
    }
}

bool FileLock::confirm() {
    beat();
    return holds();
}

bool FileLock::holds() const {
    const Look look = lookAt(lockPath_);
    return look.kind == Look::Kind::Held && fieldsOf(look.content)["token"] == token_;
}

void clearLockOfEndedHolder(const QString& path) {
    const std::string lockPath = QFile::encodeName(path + QStringLiteral(".lock")).toStdString();
    const Look look = lookAt(lockPath);
    if (look.kind == Look::Kind::Held && holderEnded(fieldsOf(look.content)) &&
        lookAt(lockPath).content == look.content) {
        ::unlink(lockPath.c_str());
    }
}

void withLock(const QString& path, const LockTimes& times,
              const std::function<bool(FileLock&)>& save) {
    constexpr int kTakeovers = 3;
    for (int attempt = 1; attempt <= kTakeovers; ++attempt) {
        FileLock lock(path, times);
        if (save(lock)) {
            return;
        }
    }
    throw FileError(path, FileError::Action::Save,
                    "andere vensters van Toetsrace namen het slot steeds over",
                    FileError::Reason::Busy);
}

}  // namespace data
