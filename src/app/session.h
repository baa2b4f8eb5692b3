// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>

#include <functional>

namespace app {

// One game per player and game folder in a desktop session: the first copy takes a name
// on the session bus and answers there as a freedesktop application; a copy started
// after it (the desktop's "Statistieken" action, a second click in the menu) hands its
// wish to the first and ends without a window. Copies of other players, or started from
// other folders, have names of their own. Without a session bus every copy plays alone.
class OneGame : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    // The installed game answers to the desktop entry's name; a copy elsewhere to a name
    // of its folder's own.
    static QString busName(const QString& gameFolder, bool installed);

    explicit OneGame(QString name);
    ~OneGame() override;
    // False when another copy holds the name, or there is no session bus.
    bool holdsName() const { return holds_; }
    // Asks the copy holding `name` to come forward, with its statistics window if asked.
    // True when it answered; the desktop's start feedback then ends here.
    static bool handOver(const QString& name, bool openStatistics);

    std::function<void()> comeForward;
    std::function<void()> showStatistics;

public slots:
    Q_SCRIPTABLE void Activate(const QVariantMap& platformData);
    Q_SCRIPTABLE void Open(const QStringList& uris, const QVariantMap& platformData);
    Q_SCRIPTABLE void ActivateAction(const QString& action, const QVariantList& parameter,
                                     const QVariantMap& platformData);

private:
    QString name_;
    bool holds_ = false;
};

}  // namespace app
