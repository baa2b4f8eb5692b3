// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/sharing.h"

#include <QFile>

#include <cstring>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/statfs.h>
#include <unistd.h>

namespace data {

namespace {

// The file systems whose files another machine may change behind this one's back.
constexpr unsigned long kNetworkFileSystems[] = {
    0x6969,      // NFS
    0x517B,      // SMB
    0xFF534D42,  // CIFS
    0xFE534D42,  // SMB2
    0x65735546,  // FUSE: sshfs, and whatever else runs in user space
    0x5346414F,  // AFS
    0x6B414653,  // kAFS
    0x73757245,  // Coda
    0x564C,      // NCP
    0x00C36400,  // Ceph
    0x01021997,  // 9P
    0x01161970,  // GFS2
    0x7461636F,  // OCFS2
    0x0BD00BD0,  // Lustre
    0x20030528,  // OrangeFS
    0x47504653,  // GPFS
};

bool isNetwork(const struct statfs& fs) {
    for (const unsigned long type : kNetworkFileSystems) {
        if (static_cast<unsigned long>(fs.f_type) == type) {
            return true;
        }
    }
    return false;
}

// The account's name, or its number where it has none.
std::string userName(uid_t uid) {
    std::vector<char> buffer(16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found) {
        return found->pw_name;
    }
    return "gebruiker " + std::to_string(uid);
}

// The group every account may get for itself alone, named as the account.
bool isOwnPrivateGroup(gid_t gid) {
    std::vector<char> buffer(16384);
    struct passwd user {};
    struct passwd* me = nullptr;
    if (::getpwuid_r(::geteuid(), &user, buffer.data(), buffer.size(), &me) != 0 || !me ||
        me->pw_gid != gid) {
        return false;
    }
    std::vector<char> groupBuffer(16384);
    struct group group {};
    struct group* found = nullptr;
    return ::getgrgid_r(gid, &group, groupBuffer.data(), groupBuffer.size(), &found) == 0 &&
           found && std::strcmp(found->gr_name, me->pw_name) == 0 &&
           (found->gr_mem == nullptr || found->gr_mem[0] == nullptr);
}

mode_t currentUmask() {
    // The umask can only be read by setting it; the game runs this on its one thread.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

}  // namespace

bool othersCanWrite(const struct stat& folder) {
    if (folder.st_uid != ::geteuid() || (folder.st_mode & S_IWOTH) != 0) {
        return true;
    }
    return (folder.st_mode & S_IWGRP) != 0 && !isOwnPrivateGroup(folder.st_gid);
}

bool onNetworkFileSystem(int fd) {
    struct statfs fs {};
    return ::fstatfs(fd, &fs) == 0 && isNetwork(fs);
}

bool onNetworkFileSystem(const QString& path) {
    struct statfs fs {};
    return ::statfs(QFile::encodeName(path).constData(), &fs) == 0 && isNetwork(fs);
}

off_t sizeAsStored(int fd, const struct stat& status) {
    struct statx fresh {};
    if (!onNetworkFileSystem(fd) ||
        ::statx(fd, "", AT_EMPTY_PATH | AT_STATX_FORCE_SYNC, STATX_SIZE, &fresh) != 0 ||
        (fresh.stx_mask & STATX_SIZE) == 0) {
        return status.st_size;
    }
    return static_cast<off_t>(fresh.stx_size);
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string refusalOf(const QString& path) {
    try {
        refuseForeignLink(path, FileError::Action::Read);
    } catch (const FileError& error) {
        return error.what();
    }
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || S_ISREG(status.st_mode)) {
        return {};
    }
    return notRegular(status.st_mode);
}

void refuseForeignLink(const QString& path, FileError::Action action) {
    const std::string name = QFile::encodeName(path).toStdString();
    struct stat link {};
    if (::lstat(name.c_str(), &link) != 0 || !S_ISLNK(link.st_mode) || link.st_uid == ::geteuid()) {
        return;
    }
    struct stat folder {};
    if (::stat(folderOf(name).c_str(), &folder) != 0 || !othersCanWrite(folder) ||
        link.st_uid == folder.st_uid) {
        return;
    }
    throw FileError(path, action,
                    "het is een koppeling (symbolic link) die " + userName(link.st_uid) +
                        " heeft gemaakt in een map die anderen kunnen beschrijven; Toetsrace "
                        "volgt zo'n koppeling niet",
                    FileError::Reason::ForeignLink);
}

mode_t newFileMode() {
    return 0666 & ~currentUmask();
}

void takeFolderGroup(int fd, const struct stat& folder) {
    if ((folder.st_mode & S_IWGRP) != 0 && folder.st_gid != ::getegid() &&
        ::fchown(fd, static_cast<uid_t>(-1), folder.st_gid) != 0) {
        errno = 0;  // not a member of the folder's group: the file keeps this user's
    }
}

}  // namespace data
