// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#include <mutex>

namespace ui {

namespace {

QAccessibleInterface* roleOf(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("ui::Label")) {
        return new QAccessibleWidget(widget, QAccessible::StaticText);
    }
    if (className == QLatin1String("ui::Line")) {
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    }
    if (className == QLatin1String("ui::Form")) {
        const bool dialog = widget->windowType() == Qt::Dialog;
        return new QAccessibleWidget(widget, dialog ? QAccessible::Dialog : QAccessible::Window);
    }
    return nullptr;
}

}  // namespace

void installAccessibleRoles() {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(roleOf); });
}

}  // namespace ui
