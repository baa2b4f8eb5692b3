// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stats/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#include <mutex>

namespace stats {

namespace {

QAccessibleInterface* roleOf(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("stats::StatisticsWindow")) {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    if (className == QLatin1String("stats::ProgressChart")) {
        return new QAccessibleWidget(widget, QAccessible::Chart);
    }
    if (className == QLatin1String("stats::KeyboardView")) {
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    }
    return nullptr;
}

}  // namespace

void installAccessibleRoles() {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(roleOf); });
}

}  // namespace stats
