// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QWidget>

#include <mutex>

namespace ui {

namespace {

// Every class with a role of its own. The windows are asked as "ui::Form", the class
// below theirs, and are a dialog or a window as their frame is.
QHash<QString, QAccessible::Role>& roles() {
    static QHash<QString, QAccessible::Role> table{
        {QStringLiteral("ui::Label"), QAccessible::StaticText},
        {QStringLiteral("ui::Line"), QAccessible::Graphic},
        {QStringLiteral("ui::Form"), QAccessible::Window},
    };
    return table;
}

QAccessibleInterface* roleOf(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    const auto role = roles().constFind(className);
    if (role == roles().constEnd()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    const bool dialog = *role == QAccessible::Window && widget->windowType() == Qt::Dialog;
    return new QAccessibleWidget(widget, dialog ? QAccessible::Dialog : *role);
}

}  // namespace

void installAccessibleRoles() {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(roleOf); });
}

void assignAccessibleRole(const char* className, QAccessible::Role role) {
    installAccessibleRoles();
    roles().insert(QString::fromLatin1(className), role);
}

}  // namespace ui
