// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace data {

// How long a lock is waited for, when its holder counts as gone, and how often a holder
// shows that it is not.
struct LockTimes {
    int waitMs = 10000;
    int staleMs = 3000;
    int beatMs = 500;
};

// Held while a stored file is read, changed and replaced, so that copies of the game that
// share a folder take turns, on one PC or on many that share a network drive.
//
// The lock is the file's name with ".lock", made by an exclusive create and holding who
// made it: machine id, host name, boot, process and a random token. While it is held, a
// heartbeat writes the lock afresh every beatMs. A waiter takes a lock as stale when its
// holder is a process of this very machine that has ended, or when the lock has not
// changed for staleMs as the waiter's own clock measures: no clocks of two machines are
// compared, and a live holder on another PC is never robbed. A holder that was stopped
// (a frozen PC, a laptop lid) may have lost its lock meanwhile: confirm() tells it before
// it replaces anything, and it starts over.
//
// Taking the lock also removes the temporary files of that file that a killed save left
// behind: while the lock is held nobody else is writing one. Throws FileError: Busy when a
// live holder keeps it longer than waitMs, LockUnusable when what stands at the lock's
// name is no lock file (a folder, a FIFO, a link…; it is never opened), and the folder's
// own cause when no lock file can be made there at all.
class FileLock {
public:
    explicit FileLock(const QString& path, const LockTimes& times = {});
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Whether the lock is still this holder's, read afresh from the file system; a lock
    // that is gets a heartbeat at once, so that nobody takes it for stale for a while.
    bool confirm();

private:
    void take(const QString& path);
    bool tryCreate();
    void startHeartbeat();
    void beat();
    bool holds() const;
    std::string content(unsigned long beats) const;

    LockTimes times_;
    std::string lockPath_;
    std::string identity_;  // everything of the content but the heartbeat count
    std::string token_;
    int fd_ = -1;
    std::atomic<unsigned long> beats_{0};

    std::thread heart_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
};

// Removes the lock of `path` when a process of this machine that has ended left it there
// (killed while it held it), the same way a waiter takes such a lock over; anything else
// there stays, and a lock that cannot be removed stays too. For a file that needs no
// writing, so that nothing is left lying beside it for the next writer to clear.
void clearLockOfEndedHolder(const QString& path);

// Runs `save` under the file's lock. A save that finds its lock lost (it returns false: the
// holder was stopped long enough for another copy to take over) takes the lock again and
// starts over, reading afresh what the other copy saved; after three such takeovers the
// file counts as busy (FileError, Reason::Busy).
void withLock(const QString& path, const LockTimes& times,
              const std::function<bool(FileLock&)>& save);

}  // namespace data
