// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/gamefolder.h"

#include "data/files.h"
#include "data/highscores.h"
#include "data/sharing.h"
#include "data/wordfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>

#include <climits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace app {

namespace {

bool holdsBothWordLists(const QString& folder) {
    const QDir dir(folder);
    return data::fileKind(dir.filePath(QString::fromLatin1(data::kWordFile))) ==
               data::FileKind::Regular &&
           data::fileKind(dir.filePath(QString::fromLatin1(data::kBonusFile))) ==
               data::FileKind::Regular;
}

// The folder of the installation's default word lists, seen from the executable's folder;
// empty for a copy of the executable on its own.
QString installedWordLists(const QString& executableFolder) {
    // Seen from the executable, so that a staged or moved installation is one too.
    const QString beside = QDir::cleanPath(
        QDir(executableFolder).filePath(QStringLiteral(TOETSRACE_DATADIR_FROM_GAMESDIR)));
    if (holdsBothWordLists(beside)) {
        return beside;
    }
    const QString installed = QStringLiteral(TOETSRACE_DATADIR);
    if (QDir::cleanPath(executableFolder) == QStringLiteral(TOETSRACE_GAMESDIR) &&
        holdsBothWordLists(installed)) {
        return installed;
    }
    return {};
}

// $XDG_DATA_HOME/toetsrace; a relative XDG_DATA_HOME is ignored, as the XDG base
// directories rule, for ~/.local/share.
QString playerFolder(const QProcessEnvironment& environment) {
    QString dataHome = environment.value(QStringLiteral("XDG_DATA_HOME"));
    if (dataHome.isEmpty() || QDir::isRelativePath(dataHome)) {
        QString home = environment.value(QStringLiteral("HOME"));
        if (home.isEmpty() || QDir::isRelativePath(home)) {
            home = QDir::homePath();
        }
        dataHome = QDir(home).filePath(QStringLiteral(".local/share"));
    }
    return QDir(dataHome).filePath(QStringLiteral("toetsrace"));
}

// Makes the player's folder ready: created, with the default word lists copied in and an
// empty highscore table where they are missing, so the first start plays at once. Several
// starts at once each find it ready; nothing the player has there is touched.
void preparePlayerFolder(const QString& folder, const QString& wordLists) {
    if (!QDir().mkpath(folder)) {
        throw data::FileError(folder, data::FileError::Action::Save,
                              "de map kan niet worden aangemaakt");
    }
    const QDir from(wordLists);
    const QDir to(folder);
    for (const char* list : {data::kWordFile, data::kBonusFile}) {
        data::copyFileIfMissing(from.filePath(QString::fromLatin1(list)),
                                to.filePath(QString::fromLatin1(list)));
    }
    data::createEmptyFileIfMissing(to.filePath(QString::fromLatin1(data::kHighscoreFile)));
}

}  // namespace

QString executableFolder() {
    char path[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) {
        return QCoreApplication::applicationDirPath();
    }
    const QByteArray executable(path, n);
    const qsizetype slash = executable.lastIndexOf('/');
    const QByteArray bytes = slash <= 0 ? QByteArray("/") : executable.left(slash);
    const QString folder = QFile::decodeName(bytes);
    if (QFile::encodeName(folder) == bytes) {
        return folder;
    }
    const int fd = ::open(bytes.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return fd < 0 ? folder : QStringLiteral("/proc/self/fd/%1").arg(fd);
}

bool installedGame() {
    return !installedWordLists(executableFolder()).isEmpty();
}

QString gameFolder() {
    const QString executable = executableFolder();
    const QString wordLists = installedWordLists(executable);
    if (wordLists.isEmpty()) {
        return executable;
    }
    const QString folder = playerFolder(QProcessEnvironment::systemEnvironment());
    preparePlayerFolder(folder, wordLists);
    // The word lists are read by their bare names, from the folder the game is started in.
    if (!QDir::setCurrent(folder)) {
        throw data::FileError(folder, data::FileError::Action::Read,
                              "de map kan niet worden geopend");
    }
    return folder;
}

StatisticsFile statisticsFile(const QString& gameFolder) {
    const QString beside = QDir(gameFolder).filePath(QString::fromLatin1(kStatisticsFile));
    struct stat folder {};
    const bool shared = ::stat(QFile::encodeName(gameFolder).constData(), &folder) == 0 &&
                        data::othersCanWrite(folder);
    const bool network = data::onNetworkFileSystem(gameFolder);
    const QString own = playerFolder(QProcessEnvironment::systemEnvironment());
    if ((!shared && !network) || QDir(own) == QDir(gameFolder)) {
        return {beside, StatisticsFile::Place::GameFolder, network};
    }
    // Nobody else's to read: made for this player alone.
    if (!QDir(own).exists() && QDir().mkpath(own)) {
        QFile::setPermissions(own, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return {QDir(own).filePath(QString::fromLatin1(kStatisticsFile)),
            shared ? StatisticsFile::Place::OwnForSharedFolder
                   : StatisticsFile::Place::OwnForNetworkFolder,
            data::onNetworkFileSystem(own)};
}

}  // namespace app
