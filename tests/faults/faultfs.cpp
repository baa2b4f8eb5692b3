// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

// A preloaded shim that makes file operations fail on request, so that tests see how the
// game meets a full disk, an I/O error or a file it may not read, also when run as root.
//
//   FAULTFS_WRITE_DIR    writes to files in this folder fail once FAULTFS_WRITE_AFTER bytes
//                        have gone to them: the write that crosses the limit writes the
//                        bytes up to it, and every later one fails with FAULTFS_WRITE_ERRNO
//                        ("ENOSPC" or "EIO"). A new folder starts a new count.
//   FAULTFS_DENY_OPEN    opening this file fails with EACCES.
//   FAULTFS_READ_FAILS   reading from this file fails with EIO.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

namespace {

template <typename Function>
Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

std::string pathOfFd(int fd) {
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char target[4096];
    const ssize_t n = readlink(link, target, sizeof target - 1);
    return n > 0 ? std::string(target, static_cast<std::size_t>(n)) : std::string();
}

std::string absolute(const char* path) {
    if (path == nullptr || path[0] == '/') {
        return path ? path : "";
    }
    char cwd[4096];
    return getcwd(cwd, sizeof cwd) ? std::string(cwd) + "/" + path : path;
}

bool sameFile(const std::string& path, const char* variable) {
    const char* wanted = std::getenv(variable);
    return wanted != nullptr && *wanted != '\0' && path == wanted;
}

// How much of a write to `fd` may go through; -1 when it must fail.
long long allowance(int fd, std::size_t size) {
    static std::mutex mutex;
    static std::string countedDir;
    static unsigned long long written = 0;
    const char* dir = std::getenv("FAULTFS_WRITE_DIR");
    if (dir == nullptr || *dir == '\0' || fd <= 2) {
        return static_cast<long long>(size);
    }
    const std::string path = pathOfFd(fd);
    if (path.rfind(std::string(dir) + "/", 0) != 0) {
        return static_cast<long long>(size);
    }
    const std::lock_guard<std::mutex> lock(mutex);
    if (countedDir != dir) {
        countedDir = dir;
        written = 0;
    }
    const char* after = std::getenv("FAULTFS_WRITE_AFTER");
    const unsigned long long limit = after ? std::strtoull(after, nullptr, 10) : 0;
    if (written >= limit) {
        const char* name = std::getenv("FAULTFS_WRITE_ERRNO");
        errno = name && std::strcmp(name, "EIO") == 0 ? EIO : ENOSPC;
        return -1;
    }
    const unsigned long long room = limit - written;
    const unsigned long long granted = size < room ? size : room;
    written += granted;
    return static_cast<long long>(granted);
}

int openChecked(const char* path) {
    if (sameFile(absolute(path), "FAULTFS_DENY_OPEN")) {
        errno = EACCES;
        return -1;
    }
    return 0;
}

}  // namespace

extern "C" {

ssize_t write(int fd, const void* buffer, size_t size) {
    static const auto real = next<ssize_t (*)(int, const void*, size_t)>("write");
    const long long granted = allowance(fd, size);
    if (granted < 0) {
        return -1;
    }
    return real(fd, buffer, static_cast<size_t>(granted));
}

ssize_t writev(int fd, const struct iovec* vector, int count) {
    static const auto real = next<ssize_t (*)(int, const struct iovec*, int)>("writev");
    std::size_t size = 0;
    for (int i = 0; i < count; ++i) {
        size += vector[i].iov_len;
    }
    // All or nothing: a vector that does not fit fails whole.
    const long long granted = allowance(fd, size);
    if (granted < static_cast<long long>(size)) {
        if (granted >= 0) {
            errno = ENOSPC;
        }
        return -1;
    }
    return real(fd, vector, count);
}

ssize_t read(int fd, void* buffer, size_t size) {
    static const auto real = next<ssize_t (*)(int, void*, size_t)>("read");
    if (fd > 2 && sameFile(pathOfFd(fd), "FAULTFS_READ_FAILS")) {
        errno = EIO;
        return -1;
    }
    return real(fd, buffer, size);
}

#define FAULTFS_OPEN(name)                                                    \
    int name(const char* path, int flags, ...) {                              \
        static const auto real = next<int (*)(const char*, int, ...)>(#name); \
        mode_t mode = 0;                                                      \
        if (flags & (O_CREAT | O_TMPFILE)) {                                  \
            va_list args;                                                     \
            va_start(args, flags);                                            \
            mode = va_arg(args, mode_t);                                      \
            va_end(args);                                                     \
        }                                                                     \
        if (openChecked(path) < 0) {                                          \
            return -1;                                                        \
        }                                                                     \
        return real(path, flags, mode);                                       \
    }

FAULTFS_OPEN(open)
FAULTFS_OPEN(open64)

#define FAULTFS_OPENAT(name)                                                       \
    int name(int dirfd, const char* path, int flags, ...) {                        \
        static const auto real = next<int (*)(int, const char*, int, ...)>(#name); \
        mode_t mode = 0;                                                           \
        if (flags & (O_CREAT | O_TMPFILE)) {                                       \
            va_list args;                                                          \
            va_start(args, flags);                                                 \
            mode = va_arg(args, mode_t);                                           \
            va_end(args);                                                          \
        }                                                                          \
        if (openChecked(path) < 0) {                                               \
            return -1;                                                             \
        }                                                                          \
        return real(dirfd, path, flags, mode);                                     \
    }

FAULTFS_OPENAT(openat)
FAULTFS_OPENAT(openat64)

}  // extern "C"
