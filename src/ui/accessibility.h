// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>

namespace ui {

// The roles screen readers need for what Qt knows only as plain widgets, which screen
// readers skip: a label is static text, the finish line a graphic, a window a window (or a
// dialog). Safe to call more than once.
void installAccessibleRoles();

// Gives every widget of a class of the game's own (its meta-object's class name, such as
// "stats::ProgressChart") this role on the accessibility bus.
void assignAccessibleRole(const char* className, QAccessible::Role role);

}  // namespace ui
