// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/files.h"

#include <QString>

#include <string>

#include <sys/stat.h>

// What a folder shared with others asks of the game: a class folder that every pupil may
// write, a network drive that several PCs see at once.
namespace data {

// Whether someone other than this user may put files into the folder: it belongs to
// someone else, or its group or everyone may write it. A group of this user's own (the
// user-private group some systems give every account) counts as this user.
bool othersCanWrite(const struct stat& folder);

// Whether the file system behind an open file, or a path, is reached over a network (NFS,
// SMB, sshfs and every other FUSE file system, AFS…): its client may cache what another
// machine changed, and it keeps no memory shared between machines.
bool onNetworkFileSystem(int fd);
bool onNetworkFileSystem(const QString& path);

// The size of an open file as stored. A network client may go on announcing the size an
// older version had (sshfs does, for many seconds, after another machine replaced the
// file), and read no further: there the server is asked, which brings the client up to
// date. Elsewhere the size `status` holds.
off_t sizeAsStored(int fd, const struct stat& status);

// A symbolic link that another user planted in a folder others can write is refused, as
// the kernel's protected_symlinks does in sticky folders: the game never follows it to
// read, write or create a file. A link of this user's own, or of the folder's owner, is
// followed as any link. Throws FileError (Reason::ForeignLink) naming the link's owner.
void refuseForeignLink(const QString& path, FileError::Action action);

// Why the game will not touch what stands at a path, in Dutch: a link that someone else
// planted, or, where something is there, anything but a regular file (a link of one's own
// followed). Empty when the path is missing or a regular file.
std::string refusalOf(const QString& path);

// The folder part of a path as the system names it; "." for a bare name.
std::string folderOf(const std::string& path);

// The mode of a file the game creates: read and write for everyone the umask allows.
mode_t newFileMode();

// A new file in `folder` (its stat) gets the folder's group where the folder is
// group-writable, so that a class folder's files stay the class's; a group this user may
// not give is left as it is. Before the mode is set: a new group may clear set-id bits.
void takeFolderGroup(int fd, const struct stat& folder);

}  // namespace data
