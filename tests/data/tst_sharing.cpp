// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/filelock.h"
#include "data/files.h"
#include "data/sharing.h"
#include "data/wordfile.h"
#include "doubles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using data::FileError;

// A folder shared by several copies of the game, on several PCs and by several players:
// the lock is held against live holders and taken from dead ones, odd things where the lock
// goes never hang a save, and a link someone else planted is never followed.
class SharingTest : public QObject {
    Q_OBJECT
private slots:
    void aLockOfAnEndedProcessHereIsTakenAtOnce();
    void aLockThatStopsChangingIsTakenOnlyAfterItsTime();
    void aLiveHolderKeepsItsLockAndIsNamed();
    void whatIsNoLockFileIsNamedAtOnce_data();
    void whatIsNoLockFileIsNamedAtOnce();
    void aHolderThatLostItsLockReplacesNothing();
    void aFolderThatTakesNoFileFailsWithItsOwnCause();
    void linksPlantedBySomeoneElseAreRefused();
    void anOrderedWordListIsNotWrittenAgain();
};

namespace {

constexpr data::LockTimes kQuick{1500, 400, 100};

QString in(const QTemporaryDir& dir, const char* name) {
    return dir.filePath(QString::fromLatin1(name));
}

std::string slurp(const QString& path) {
    std::ifstream in(QFile::encodeName(path).constData(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void put(const QString& path, const std::string& content) {
    std::ofstream(QFile::encodeName(path).constData(), std::ios::binary) << content;
}

// A lock as another copy of the game writes it.
std::string lockOf(const std::string& machine, const std::string& host, long pid,
                   const std::string& start, int beat) {
    return "Toetsrace-slot\nmachine=" + machine + "\nhost=" + host +
           "\nboot=" + slurp("/proc/sys/kernel/random/boot_id").substr(0, 36) +
           "\npidns=x\npid=" + std::to_string(pid) + "\nstart=" + start +
           "\nuser=piet\ntoken=abc\nbeat=" + std::to_string(beat) + "\n";
}

qint64 msToLock(const QString& path, const data::LockTimes& times) {
    QElapsedTimer clock;
    clock.start();
    const data::FileLock lock(path, times);
    return clock.elapsed();
}

FileError lockFailure(const QString& path, const data::LockTimes& times = kQuick) {
    try {
        const data::FileLock lock(path, times);
    } catch (const FileError& error) {
        return error;
    }
    return FileError(path, FileError::Action::Save, "geen fout");
}

}  // namespace

namespace {

// The lock a process of this machine left when it ended: a child that has been waited for.
std::string lockOfAnEndedProcessHere() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    const std::string here = slurp("/etc/machine-id").substr(0, 32);
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    std::string lock = lockOf(here, host, child, "1", 0);
    char pidns[128] = {};
    if (::readlink("/proc/self/ns/pid", pidns, sizeof pidns - 1) <= 0) {
        qFatal("no process namespace to read");
    }
    lock.replace(lock.find("pidns=x"), 7, std::string("pidns=") + pidns);
    return lock;
}

}  // namespace

void SharingTest::aLockOfAnEndedProcessHereIsTakenAtOnce() {
    QTemporaryDir dir;
    const QString path = in(dir, "highscores.txt");
    put(path + ".lock", lockOfAnEndedProcessHere());
    QVERIFY(msToLock(path, {60000, 60000, 100}) < 1000);
    QVERIFY(!QFile::exists(path + ".lock"));
}

void SharingTest::aLockThatStopsChangingIsTakenOnlyAfterItsTime() {
    QTemporaryDir dir;
    const QString path = in(dir, "highscores.txt");
    // Another PC, whose processes cannot be looked up: only its silence tells.
    put(path + ".lock", lockOf("0123456789abcdef0123456789abcdef", "lokaal-7", 1, "5", 3));
    const qint64 waited = msToLock(path, kQuick);
    QVERIFY2(waited >= kQuick.staleMs && waited < kQuick.waitMs,
             qPrintable(QString::number(waited)));
    // An empty lock (a holder that died before it could write) is no different.
    put(path + ".lock", "");
    QVERIFY(msToLock(path, kQuick) >= kQuick.staleMs);
}

void SharingTest::aLiveHolderKeepsItsLockAndIsNamed() {
    QTemporaryDir dir;
    const QString path = in(dir, "highscores.txt");
    put(path + ".lock", lockOf("0123456789abcdef0123456789abcdef", "lokaal-7", 1, "5", 0));
    // A holder on another PC that shows it is alive, longer than the lock's stale time.
    std::atomic<bool> done = false;
    std::thread heartbeat([&] {
        for (int beat = 1; !done; ++beat) {
            put(path + ".lock",
                lockOf("0123456789abcdef0123456789abcdef", "lokaal-7", 1, "5", beat));
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    });
    const FileError error = lockFailure(path);
    done = true;
    heartbeat.join();
    QCOMPARE(error.reason(), FileError::Reason::Busy);
    QCOMPARE(std::string(error.what()),
             std::string("Toetsrace op pc lokaal-7 (piet) houdt het bezet"));
    QVERIFY(slurp(path + ".lock").find("host=lokaal-7") != std::string::npos);
}

void SharingTest::whatIsNoLockFileIsNamedAtOnce_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("named");
    QTest::newRow("FIFO") << "fifo"
                          << "een FIFO (named pipe)";
    QTest::newRow("folder") << "folder"
                            << "een map";
    QTest::newRow("link to /dev/zero") << "zero"
                                       << "een koppeling (symbolic link)";
    QTest::newRow("link to a file") << "file"
                                    << "een koppeling (symbolic link)";
}

// None of them is ever opened: a FIFO would block, /dev/zero would read without end.
void SharingTest::whatIsNoLockFileIsNamedAtOnce() {
    QFETCH(QString, kind);
    QFETCH(QString, named);
    QTemporaryDir dir;
    const QString path = in(dir, "highscores.txt");
    const QByteArray lock = QFile::encodeName(path + ".lock");
    if (kind == "fifo") {
        QCOMPARE(::mkfifo(lock.constData(), 0644), 0);
    } else if (kind == "folder") {
        QVERIFY(QDir().mkdir(path + ".lock"));
    } else {
        put(in(dir, "ander"), "x");
        QCOMPARE(::symlink(kind == "zero" ? "/dev/zero" : "ander", lock.constData()), 0);
    }
    QElapsedTimer clock;
    clock.start();
    const FileError error = lockFailure(path, {60000, 60000, 100});
    QVERIFY(clock.elapsed() < 1000);
    QCOMPARE(error.reason(), FileError::Reason::LockUnusable);
    QCOMPARE(QString::fromLatin1(error.what()),
             "highscores.txt.lock is geen slotbestand maar " + named +
                 "; haal het weg, dan kan Toetsrace weer opslaan");
    QVERIFY(QFileInfo(path + ".lock").isSymLink() || QFileInfo::exists(path + ".lock"));
}

void SharingTest::aHolderThatLostItsLockReplacesNothing() {
    QTemporaryDir dir;
    const QString path = in(dir, "highscores.txt");
    put(path, "van voor de pauze");
    {
        data::FileLock lock(path, kQuick);
        data::AtomicWriter writer(path);
        writer.write("oud");
        QVERIFY(lock.confirm());
        // Stopped meanwhile: another copy took the lock as stale and holds it now.
        QFile::remove(path + ".lock");
        put(path + ".lock", lockOf("0123456789abcdef0123456789abcdef", "lokaal-7", 1, "5", 0));
        QVERIFY(!lock.confirm());
        QVERIFY(!writer.commit(lock));
    }
    QCOMPARE(slurp(path), std::string("van voor de pauze"));
    // Neither its temporary file nor the other's lock is gone or left over.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             (QStringList{"highscores.txt", "highscores.txt.lock"}));
}

// Where no lock file can be made at all, the save does not go ahead without one.
void SharingTest::aFolderThatTakesNoFileFailsWithItsOwnCause() {
    QTemporaryDir dir;
    const QString path = in(dir, "highscores.txt");
    QVERIFY(QFile::setPermissions(
        dir.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
    // Root writes into any folder: the attempt is made as nobody.
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(2);
        }
        const FileError error = lockFailure(path);
        ::_exit(error.reason() == FileError::Reason::Failed &&
                        std::string(error.what()).starts_with("geen toegang")
                    ? 0
                    : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
    QVERIFY(!QFile::exists(path));
}

void SharingTest::linksPlantedBySomeoneElseAreRefused() {
    if (::geteuid() != 0) {
        QSKIP("making a link that belongs to someone else needs root");
    }
    QTemporaryDir shared;
    QTemporaryDir home;
    QVERIFY(QFile::setPermissions(shared.path(), QFileDevice::Permissions(0x7777)));
    const QString secret = in(home, "geheim.txt");
    put(secret, "geheim\r\n");
    const QString planted = in(shared, "woordenlijst.txt");
    QCOMPARE(
        ::symlink(QFile::encodeName(secret).constData(), QFile::encodeName(planted).constData()),
        0);
    QCOMPARE(::lchown(QFile::encodeName(planted).constData(), 4321, 4321), 0);

    for (const auto& [what, action] :
         std::initializer_list<std::pair<const char*, std::function<void()>>>{
             {"read", [&] { data::readWholeFile(planted); }},
             {"save", [&] { data::saveWholeFile(planted, "overschreven"); }}}) {
        try {
            action();
            QFAIL(what);
        } catch (const FileError& error) {
            QCOMPARE(error.reason(), FileError::Reason::ForeignLink);
            QVERIFY(std::string(error.what()).find("gebruiker 4321") != std::string::npos);
        }
    }
    QCOMPARE(data::fileKind(planted), data::FileKind::Other);
    QCOMPARE(slurp(secret), std::string("geheim\r\n"));
    QCOMPARE(data::refusalOf(planted).empty(), false);
    // A link to where nothing is yet makes nothing there.
    const QString dangling = in(shared, "highscores.txt");
    const QString wouldBe = in(home, "nieuw");
    QCOMPARE(
        ::symlink(QFile::encodeName(wouldBe).constData(), QFile::encodeName(dangling).constData()),
        0);
    QCOMPARE(::lchown(QFile::encodeName(dangling).constData(), 4321, 4321), 0);
    data::createEmptyFileIfMissing(dangling);
    QVERIFY(!QFileInfo::exists(wouldBe));

    // The player's own link, in a folder only they write, is followed as before.
    QTemporaryDir own;
    const QString mine = in(own, "woordenlijst.txt");
    QCOMPARE(::symlink(QFile::encodeName(secret).constData(), QFile::encodeName(mine).constData()),
             0);
    data::saveWholeFile(mine, "eigen");
    QCOMPARE(slurp(secret), std::string("eigen"));
    QVERIFY(QFileInfo(mine).isSymLink());
}

void SharingTest::anOrderedWordListIsNotWrittenAgain() {
    QTemporaryDir dir;
    const QString path = in(dir, "woordenlijst.txt");
    put(path, "hond\r\nkat\r\n\r\n");
    testing::VectorList list;
    list.entries = {"hond", "kat"};
    struct stat before {};
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);
    QVERIFY(!data::writeWordListFile(path, list));
    struct stat after {};
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    // A lock that a start killed after its write left behind goes; another PC's stays.
    put(path + ".lock", lockOfAnEndedProcessHere());
    QVERIFY(!data::writeWordListFile(path, list));
    QVERIFY(!QFile::exists(path + ".lock"));
    const std::string elsewhere = lockOf("0123456789abcdef0123456789abcdef", "lokaal-7", 1, "5", 0);
    put(path + ".lock", elsewhere);
    QVERIFY(!data::writeWordListFile(path, list));
    QCOMPARE(slurp(path + ".lock"), elsewhere);
    QFile::remove(path + ".lock");
    // One byte more or less is a different file, written whole.
    for (const char* stored :
         {"hond\r\nkat\r\n", "hond\r\nkat\r\n\r\n\r\n", "hond\r\nkaT\r\n\r\n"}) {
        put(path, stored);
        QVERIFY(data::writeWordListFile(path, list));
        QCOMPARE(slurp(path), std::string("hond\r\nkat\r\n\r\n"));
    }
}

QTEST_GUILESS_MAIN(SharingTest)
#include "tst_sharing.moc"
