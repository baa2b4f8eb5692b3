// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/session.h"

#include <QCryptographicHash>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace app {

namespace {

constexpr const char* kDesktopName = "nl.toetsrace.Toetsrace";
constexpr const char* kStatisticsAction = "statistieken";
constexpr int kAnswerMs = 3000;

QString pathOf(const QString& name) {
    return QLatin1Char('/') + QString(name).replace(QLatin1Char('.'), QLatin1Char('/'));
}

// Ends the desktop's start feedback (the busy cursor) for the start that handed over: on
// X11 the launcher waits for a "remove" of its startup id, which the copy that shows no
// window sends itself.
void endStartFeedback() {
    const QByteArray id = qgetenv("DESKTOP_STARTUP_ID");
    if (id.isEmpty() || qgetenv("DISPLAY").isEmpty()) {
        return;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const auto atom = [&](const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
        const xcb_atom_t found = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return found;
    };
    const xcb_atom_t begin = atom("_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = atom("_NET_STARTUP_INFO");
    const xcb_window_t from = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, from, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    // The message in pieces of 20 bytes, the first under its own type, ending in a zero.
    const QByteArray message = "remove: ID=" + id + '\0';
    for (qsizetype at = 0; at < message.size(); at += 20) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = from;
        event.type = at == 0 ? begin : more;
        std::memcpy(event.data.data8, message.constData() + at,
                    static_cast<std::size_t>(std::min<qsizetype>(20, message.size() - at)));
        xcb_send_event(connection, 0, screen->root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char*>(&event));
    }
    xcb_destroy_window(connection, from);
    xcb_flush(connection);
    xcb_disconnect(connection);
}

}  // namespace

QString OneGame::busName(const QString& gameFolder, bool installed) {
    if (installed) {
        return QString::fromLatin1(kDesktopName);
    }
    const QByteArray hash =
        QCryptographicHash::hash(QFile::encodeName(gameFolder), QCryptographicHash::Sha256);
    return QString::fromLatin1(kDesktopName) + QStringLiteral(".map_") +
           QString::fromLatin1(hash.left(8).toHex());
}

OneGame::OneGame(QString name) : name_(std::move(name)) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() ||
        !bus.registerObject(pathOf(name_), this, QDBusConnection::ExportScriptableSlots)) {
        return;
    }
    holds_ = bus.registerService(name_);
    if (!holds_) {
        bus.unregisterObject(pathOf(name_));
    }
}

OneGame::~OneGame() {
    if (holds_) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterObject(pathOf(name_));
        bus.unregisterService(name_);
    }
}

bool OneGame::handOver(const QString& name, bool openStatistics) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return false;
    }
    QVariantMap platformData;
    const QByteArray startupId = qgetenv("DESKTOP_STARTUP_ID");
    if (!startupId.isEmpty()) {
        platformData.insert(QStringLiteral("desktop-startup-id"), QString::fromLatin1(startupId));
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        name, pathOf(name), QStringLiteral("org.freedesktop.Application"),
        openStatistics ? QStringLiteral("ActivateAction") : QStringLiteral("Activate"));
    if (openStatistics) {
        call << QString::fromLatin1(kStatisticsAction) << QVariantList() << platformData;
    } else {
        call << platformData;
    }
    const QDBusMessage answer = bus.call(call, QDBus::Block, kAnswerMs);
    if (answer.type() != QDBusMessage::ReplyMessage) {
        return false;
    }
    endStartFeedback();
    return true;
}

void OneGame::Activate(const QVariantMap&) {
    if (comeForward) {
        comeForward();
    }
}

void OneGame::Open(const QStringList&, const QVariantMap& platformData) {
    Activate(platformData);
}

void OneGame::ActivateAction(const QString& action, const QVariantList&,
                             const QVariantMap& platformData) {
    if (action == QLatin1String(kStatisticsAction) && showStatistics) {
        showStatistics();
        return;
    }
    Activate(platformData);
}

}  // namespace app
