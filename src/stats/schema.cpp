// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stats/schema.h"

#include "stats/records.h"

#include <QSqlQuery>
#include <QString>

#include <initializer_list>

namespace stats::schema {

namespace {

using Step = std::initializer_list<const char*>;

// Version 1: each game, each of its words, and each visit to memory mode.
constexpr Step kVersion1 = {
    "CREATE TABLE games ("
    " id INTEGER PRIMARY KEY,"
    " started INTEGER NOT NULL,"
    " active_ms INTEGER NOT NULL,"
    " score INTEGER NOT NULL,"
    " level INTEGER NOT NULL,"
    " completed INTEGER NOT NULL,"
    " missed INTEGER NOT NULL,"
    " bonus_won INTEGER NOT NULL,"
    " bonus_missed INTEGER NOT NULL,"
    " god_mode INTEGER NOT NULL,"
    " keystrokes INTEGER NOT NULL,"
    " correct INTEGER NOT NULL,"
    " corrections INTEGER NOT NULL,"
    " characters INTEGER NOT NULL)",
    "CREATE TABLE words ("
    " id INTEGER PRIMARY KEY,"
    " game INTEGER NOT NULL REFERENCES games(id),"
    " word TEXT NOT NULL,"
    " completed INTEGER NOT NULL,"
    " ms INTEGER NOT NULL,"
    " keystrokes INTEGER NOT NULL,"
    " errors INTEGER NOT NULL)",
    "CREATE TABLE memory_visits ("
    " id INTEGER PRIMARY KEY,"
    " started INTEGER NOT NULL,"
    " longest INTEGER NOT NULL)",
};

// Version 2: running totals per word and per character, so the window finds the words
// missed or mistyped most and the keys' error rates without reading every word ever
// typed. The word totals start from the words stored so far; version 1 kept no
// keystrokes per character, so those totals start empty.
constexpr Step kVersion2 = {
    "CREATE TABLE troublesome_words ("
    " word TEXT PRIMARY KEY,"
    " missed INTEGER NOT NULL,"
    " mistyped INTEGER NOT NULL) WITHOUT ROWID",
    "INSERT INTO troublesome_words (word, missed, mistyped)"
    " SELECT word, SUM(NOT completed), SUM(completed AND errors > 0) FROM words"
    " GROUP BY word HAVING SUM(NOT completed OR errors > 0) > 0",
    "CREATE INDEX troublesome_words_most ON troublesome_words (missed + mistyped DESC, word)",
    "CREATE TABLE key_errors ("
    " character TEXT PRIMARY KEY,"
    " attempts INTEGER NOT NULL,"
    " errors INTEGER NOT NULL) WITHOUT ROWID",
    "CREATE INDEX words_of_game ON words (game)",
};

// Version 3: which character was typed in place of which, counted.
constexpr Step kVersion3 = {
    "CREATE TABLE confusions ("
    " due TEXT NOT NULL,"
    " typed TEXT NOT NULL,"
    " times INTEGER NOT NULL,"
    " PRIMARY KEY (due, typed)) WITHOUT ROWID",
};

// Version 4: each game's words per minute and accuracy stored with it, as wordsPerMinute()
// and accuracyPercent() compute them, so the window reads thousands of games without
// computing; NULL where a game has no time or no keystroke.
constexpr Step kVersion4 = {
    "ALTER TABLE games ADD COLUMN speed REAL",
    "ALTER TABLE games ADD COLUMN accuracy REAL",
    "UPDATE games SET speed = CASE WHEN active_ms > 0 THEN characters / 5.0 / "
    "(active_ms / 60000.0) END, accuracy = CASE WHEN keystrokes > 0 THEN 100.0 * correct / "
    "keystrokes END",
    // The records, each the top of an index of the games that count for it.
    "CREATE INDEX games_speed_record ON games (speed) WHERE NOT god_mode AND completed + "
    "missed >= 10",
    "CREATE INDEX games_accuracy_record ON games (accuracy) WHERE NOT god_mode AND completed + "
    "missed >= 10",
    "CREATE INDEX games_score_record ON games (score) WHERE NOT god_mode",
    "CREATE INDEX games_level_record ON games (level) WHERE NOT god_mode",
};
// Version 5: practice runs, each word practised and its keys, apart from the games; and
// for each word how many practice tries in a row were right without a slip.
constexpr Step kVersion5 = {
    "CREATE TABLE practice_runs ("
    " id INTEGER PRIMARY KEY,"
    " started INTEGER NOT NULL,"
    " words INTEGER NOT NULL,"
    " first_time INTEGER NOT NULL,"
    " missed INTEGER NOT NULL,"
    " active_ms INTEGER NOT NULL,"
    " keystrokes INTEGER NOT NULL,"
    " correct INTEGER NOT NULL,"
    " characters INTEGER NOT NULL,"
    " start_pace REAL NOT NULL,"
    " end_pace REAL NOT NULL)",
    "CREATE TABLE practice_words ("
    " id INTEGER PRIMARY KEY,"
    " run INTEGER NOT NULL REFERENCES practice_runs(id),"
    " word TEXT NOT NULL,"
    " from_mistakes INTEGER NOT NULL,"
    " completed INTEGER NOT NULL,"
    " ms INTEGER NOT NULL,"
    " keystrokes INTEGER NOT NULL,"
    " errors INTEGER NOT NULL,"
    " pace REAL NOT NULL)",
    "CREATE TABLE practice_keys ("
    " run INTEGER NOT NULL REFERENCES practice_runs(id),"
    " character TEXT NOT NULL,"
    " attempts INTEGER NOT NULL,"
    " errors INTEGER NOT NULL,"
    " PRIMARY KEY (run, character)) WITHOUT ROWID",
    "CREATE TABLE practice_streaks ("
    " word TEXT PRIMARY KEY,"
    " clean INTEGER NOT NULL) WITHOUT ROWID",
};

// The indexes above serve the store's queries only while they name the same games.
static_assert(kRecordWords == 10);

// Step i takes a database from version i to version i + 1.
constexpr const Step* kSteps[] = {&kVersion1, &kVersion2, &kVersion3, &kVersion4, &kVersion5};
static_assert(std::size(kSteps) == kCurrentVersion);

QSqlError runStep(QSqlDatabase& db, int from) {
    if (!db.transaction()) {
        return db.lastError();
    }
    QSqlQuery query(db);
    for (const char* statement : *kSteps[from]) {
        if (!query.exec(QString::fromLatin1(statement))) {
            const QSqlError error = query.lastError();
            db.rollback();
            return error;
        }
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(from + 1)) || !db.commit()) {
        const QSqlError error = query.lastError().isValid() ? query.lastError() : db.lastError();
        db.rollback();
        return error;
    }
    return {};
}

}  // namespace

QSqlError migrate(QSqlDatabase& db, int from, int to) {
    for (int version = from; version < to; ++version) {
        const QSqlError error = runStep(db, version);
        if (error.isValid()) {
            return error;
        }
    }
    return {};
}

}  // namespace stats::schema
