// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/launch.h"

#include "app/launch_texts.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QVariantMap>

#include <cstdio>
#include <cstdlib>

namespace app {

Arguments readArguments(const std::vector<std::string>& arguments) {
    Arguments read;
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            return {Arguments::Ask::Help, false};
        }
        if (argument == "--version") {
            return {Arguments::Ask::Version, false};
        }
        if (argument == "--statistieken" && !read.openStatistics) {
            read.openStatistics = true;
            continue;
        }
        return {Arguments::Ask::Wrong, false};
    }
    return read;
}

Session currentSession() {
    Session session;
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    if (!wayland.isEmpty()) {
        const QString socket = QFile::decodeName(wayland);
        const QString runtime = QFile::decodeName(qgetenv("XDG_RUNTIME_DIR"));
        session.waylandDisplay =
            QFileInfo::exists(QDir::isAbsolutePath(socket) ? socket : runtime + '/' + socket);
    }
    session.x11Display = !qgetenv("DISPLAY").isEmpty();
    const QString platforms =
        QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms/");
    session.waylandPlugin = QFileInfo::exists(platforms + QStringLiteral("libqwayland-generic.so"));
    session.x11Plugin = QFileInfo::exists(platforms + QStringLiteral("libqxcb.so"));
    return session;
}

QByteArray chooseWindowSystem(const Session& session, std::string& why) {
    const bool wayland = session.waylandDisplay && session.waylandPlugin;
    const bool x11 = session.x11Display && session.x11Plugin;
    if (wayland && x11) {
        return "wayland;xcb";
    }
    if (wayland || x11) {
        return wayland ? "wayland" : "xcb";
    }
    why = launch_texts::kNoWindowSystem;
    if (session.waylandDisplay && !session.waylandPlugin) {
        why += launch_texts::kInstallWayland;
    }
    return {};
}

void tellWithoutWindow(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
    int argc = 1;
    char name[] = "toetsrace";
    char* argv[] = {name, nullptr};
    const QCoreApplication core(argc, argv);
    QDBusInterface notifications(QStringLiteral("org.freedesktop.Notifications"),
                                 QStringLiteral("/org/freedesktop/Notifications"),
                                 QStringLiteral("org.freedesktop.Notifications"),
                                 QDBusConnection::sessionBus());
    if (notifications.isValid()) {
        notifications.call(QStringLiteral("Notify"), QStringLiteral("Toetsrace"), 0u,
                           QStringLiteral("nl.toetsrace.Toetsrace"),
                           QString::fromUtf8(launch_texts::kNoWindowSystemTitle),
                           QString::fromUtf8(text.c_str()), QStringList(), QVariantMap(), -1);
    }
}

}  // namespace app
