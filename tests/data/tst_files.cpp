// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/files.h"
#include "data/wordfile.h"
#include "doubles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using data::FileError;

// Only regular files are read or replaced, whatever stands in their place; replacing one
// keeps what the player set on it; a killed save leaves nothing that lasts.
class FilesTest : public QObject {
    Q_OBJECT
private slots:
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
    void sizesAreCheckedBeforeReading();
    void replacingFollowsALinkToARegularFileOnly();
    void replacingKeepsOwnerGroupAndMode();
    void takingTheLockRemovesOnlyTheGamesOwnLeftovers();
};

namespace {

QString in(const QTemporaryDir& dir, const char* name) {
    return dir.filePath(QString::fromLatin1(name));
}

QByteArray bytes(const QString& path) {
    return QFile::encodeName(path);
}

void write(const QString& path, const std::string& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content.data(), static_cast<qint64>(content.size())),
             static_cast<qint64>(content.size()));
}

FileError::Reason readFailure(const QString& path, std::size_t limit = data::kNoSizeLimit) {
    try {
        data::readWholeFile(path, limit);
    } catch (const FileError& error) {
        return error.reason();
    }
    return FileError::Reason::Failed;
}

}  // namespace

void FilesTest::onlyRegularFilesAreRead_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("link to a FIFO") << "link to fifo";
    QTest::newRow("link to a device") << "link to device";
    QTest::newRow("folder") << "folder";
}

void FilesTest::onlyRegularFilesAreRead() {
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = in(dir, "woordenlijst.txt");
    const QString fifo = kind.startsWith("link") ? in(dir, "elders") : path;
    if (kind.endsWith("fifo")) {
        QCOMPARE(::mkfifo(bytes(fifo).constData(), 0644), 0);
    }
    if (kind == "link to fifo") {
        QVERIFY(QFile::link(fifo, path));
    } else if (kind == "link to device") {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else if (kind == "folder") {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("woordenlijst.txt")));
    }
    // Refused at once: a FIFO does not hang the reader, a device is not read for ever.
    QCOMPARE(readFailure(path), FileError::Reason::NotRegularFile);
    QCOMPARE(data::fileKind(path), data::FileKind::Other);
    // Nor is it replaced: a save through it is refused and leaves it as it was.
    QVERIFY_THROWS_EXCEPTION(FileError, data::saveWholeFile(path, "kat\r\n"));
    struct stat after {};
    QCOMPARE(::stat(bytes(path).constData(), &after), 0);
    QVERIFY(!S_ISREG(after.st_mode));
    QVERIFY(
        QDir(dir.path()).entryList({QStringLiteral("*.toetsrace-*")}, QDir::AllEntries).isEmpty());
}

void FilesTest::sizesAreCheckedBeforeReading() {
    QTemporaryDir dir;
    // A sparse gigabyte: refused from its size, without a byte of it in memory.
    const QString sparse = in(dir, "highscores.txt");
    QVERIFY(QFile(sparse).open(QIODevice::WriteOnly));
    QVERIFY(QFile(sparse).resize(qint64(1) << 30));
    QCOMPARE(readFailure(sparse, 32766), FileError::Reason::TooLarge);
    // A word list larger than the machine can take in says so, from its size as well.
    const QString huge = in(dir, "woordenlijst.txt");
    QVERIFY(QFile(huge).open(QIODevice::WriteOnly));
    QVERIFY(QFile(huge).resize(static_cast<qint64>(data::largestWordFile()) + 1));
    try {
        data::readTextLines(huge);
        QFAIL("a word list beyond what fits was read");
    } catch (const FileError& error) {
        QCOMPARE(error.reason(), FileError::Reason::TooLarge);
        QVERIFY2(std::string(error.what()).find("te groot") != std::string::npos, error.what());
    }
    // At the limit it is read whole.
    write(sparse, std::string(32766, 'x'));
    QCOMPARE(data::readWholeFile(sparse, 32766).size(), 32766u);
}

void FilesTest::replacingFollowsALinkToARegularFileOnly() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("elders")));
    const QString target = in(dir, "elders/scores.txt");
    write(target, "oud");
    const QString link = in(dir, "highscores.txt");
    QVERIFY(QFile::link(QStringLiteral("elders/scores.txt"), link));
    data::saveWholeFile(link, "nieuw");
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(data::readWholeFile(target), std::string("nieuw"));
    QCOMPARE(data::readWholeFile(link), std::string("nieuw"));
}

void FilesTest::replacingKeepsOwnerGroupAndMode() {
    QTemporaryDir dir;
    const QString path = in(dir, "highscores.txt");
    write(path, "oud");
    QCOMPARE(::chmod(bytes(path).constData(), 0600), 0);
    // Owned by a player, when the test may give it away (as root it may).
    const bool root = ::geteuid() == 0;
    if (root) {
        QCOMPARE(::chown(bytes(path).constData(), 12345, 23456), 0);
    }
    data::saveWholeFile(path, "nieuw");
    struct stat after {};
    QCOMPARE(::stat(bytes(path).constData(), &after), 0);
    QCOMPARE(after.st_mode & 07777, mode_t(0600));
    if (root) {
        QCOMPARE(after.st_uid, uid_t(12345));
        QCOMPARE(after.st_gid, gid_t(23456));
    }
    // A new file gets the mode the umask allows.
    const mode_t mask = ::umask(027);
    data::saveWholeFile(in(dir, "nieuw.txt"), "x");
    ::umask(mask);
    QCOMPARE(::stat(bytes(in(dir, "nieuw.txt")).constData(), &after), 0);
    QCOMPARE(after.st_mode & 07777, mode_t(0640));
}

void FilesTest::takingTheLockRemovesOnlyTheGamesOwnLeftovers() {
    QTemporaryDir dir;
    const QString path = in(dir, "highscores.txt");
    write(path, "");
    for (const char* name : {"highscores.txt.toetsrace-a1B2c3", "woordenlijst.txt.toetsrace-xyz123",
                             "highscores.txt.backup", "highscores.txt.toetsrace-kopie"}) {
        write(in(dir, name), "x");
    }
    {
        const data::FileLock lock(path);
        QVERIFY(QFile::exists(path + ".lock"));
    }
    QVERIFY(!QFile::exists(path + ".lock"));
    // The killed save of this file goes; another file's leftovers wait for its own lock,
    // and the player's own files stay.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
             (QStringList{"highscores.txt", "highscores.txt.backup",
                          "highscores.txt.toetsrace-kopie", "woordenlijst.txt.toetsrace-xyz123"}));
}

QTEST_GUILESS_MAIN(FilesTest)
#include "tst_files.moc"
