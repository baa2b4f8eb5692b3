// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSqlDatabase>
#include <QSqlError>

// The tables of statistieken.sqlite, one version after another. PRAGMA user_version holds
// the version a database has reached; opening an older one brings it up to date.
namespace stats::schema {

inline constexpr int kCurrentVersion = 5;

// Takes a database from version `from` to version `to`, one step at a time, each step and
// its new user_version in a transaction of its own. Returns the error that stopped it.
QSqlError migrate(QSqlDatabase& db, int from, int to);

}  // namespace stats::schema
