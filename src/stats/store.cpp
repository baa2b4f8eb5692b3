// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stats/store.h"

#include "base/text.h"
#include "data/sharing.h"
#include "stats/schema.h"
#include "stats/stats_texts.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace stats {

namespace {

QString driverName() {
    return QStringLiteral("QSQLITE");
}

// A busy database fails at once: waiting for another program's lock would stall the game.
QString connectOptions(bool readOnly) {
    return readOnly ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=0")
                    : QStringLiteral("QSQLITE_BUSY_TIMEOUT=0");
}

QString text(const char* bytes) {
    return base::toQString(bytes);
}

// SQLite's primary result codes, as the driver reports them.
enum SqliteCode {
    kBusy = 5,
    kLocked = 6,
    kNoMemory = 7,
    kReadOnly = 8,
    kIoError = 10,
    kCorrupt = 11,
    kFull = 13,
    kCannotOpen = 14,
    kNotADatabase = 26,
};

QString reasonFor(const QSqlError& error) {
    const auto cannotWrite = [](const QString& why) {
        return text(stats_texts::kCannotWrite) + QStringLiteral(" (") + why + QStringLiteral(").");
    };
    switch (error.nativeErrorCode().toInt() & 0xff) {
        case kBusy:
        case kLocked:
            return text(stats_texts::kInUse);
        case kCorrupt:
        case kNotADatabase:
            return text(stats_texts::kDamaged);
        case kNoMemory:
            return text(stats_texts::kNoMemory);
        case kFull:
            return cannotWrite(QStringLiteral("de schijf is vol"));
        case kReadOnly:
            return cannotWrite(QStringLiteral("het bestand of de map is alleen-lezen"));
        case kCannotOpen:
            return cannotWrite(QStringLiteral("het bestand kan niet worden geopend"));
        case kIoError:
            return cannotWrite(QStringLiteral("een lees- of schrijffout"));
        default:
            return cannotWrite(error.databaseText().isEmpty() ? error.driverText()
                                                              : error.databaseText());
    }
}

bool run(QSqlQuery& query, std::initializer_list<QVariant> values) {
    int index = 0;
    for (const QVariant& value : values) {
        query.bindValue(index++, value);
    }
    return query.exec();
}

std::optional<int> intOf(QSqlDatabase& db, const QString& statement, QSqlError* error = nullptr) {
    QSqlQuery query(db);
    if (!query.exec(statement) || !query.next()) {
        if (error) {
            *error = query.lastError();
        }
        return std::nullopt;
    }
    return query.value(0).toInt();
}

std::optional<int> versionOf(QSqlDatabase& db) {
    return intOf(db, QStringLiteral("PRAGMA user_version"));
}

constexpr const char* kGameColumns =
    "started, active_ms, score, level, completed, missed, bonus_won, bonus_missed, god_mode, "
    "keystrokes, correct, corrections, characters";

GameRecord gameFrom(const QSqlQuery& row) {
    GameRecord game;
    game.id = row.value(0).toLongLong();
    game.started = row.value(1).toLongLong();
    game.activeMs = row.value(2).toLongLong();
    game.score = row.value(3).toLongLong();
    game.level = row.value(4).toInt();
    game.completed = row.value(5).toInt();
    game.missed = row.value(6).toInt();
    game.bonusWon = row.value(7).toInt();
    game.bonusMissed = row.value(8).toInt();
    game.godMode = row.value(9).toBool();
    game.keystrokes = row.value(10).toLongLong();
    game.correct = row.value(11).toLongLong();
    game.corrections = row.value(12).toLongLong();
    game.characters = row.value(13).toLongLong();
    return game;
}

// Runs a query whose rows are read once, front to back.
bool select(QSqlQuery& query, const QString& statement, QSqlError& error) {
    query.setForwardOnly(true);
    if (!query.exec(statement)) {
        error = query.lastError();
        return false;
    }
    return true;
}

bool readGames(QSqlDatabase& db, Summary& summary, QSqlError& error) {
    QSqlQuery query(db);
    if (!select(
            query,
            QStringLiteral("SELECT id, %1 FROM games ORDER BY id").arg(QLatin1String(kGameColumns)),
            error)) {
        return false;
    }
    Summary::Bests& bests = summary.bests;
    while (query.next()) {
        const GameRecord game = gameFrom(query);
        ++bests.games;
        bests.score = std::max(bests.score, game.score);
        bests.level = std::max(bests.level, game.level);
        if (game.keystrokes > 0) {
            const Summary::Point point{bests.games, game.started, wordsPerMinute(game.characters, game.activeMs),
                                       accuracyPercent(game.correct, game.keystrokes), 1};
            summary.progress.push_back(point);
            bests.wordsPerMinute = std::max(bests.wordsPerMinute, point.wordsPerMinute);
            bests.accuracy = std::max(bests.accuracy, point.accuracy);
        }
        summary.lastGame = game;
    }
    error = query.lastError();
    return !error.isValid();
}

bool readTroublesome(QSqlDatabase& db, Summary& summary, QSqlError& error) {
    QSqlQuery query(db);
    if (!select(query,
                QStringLiteral("SELECT word, missed, mistyped FROM troublesome_words "
                               "ORDER BY missed + mistyped DESC, word LIMIT 10"),
                error)) {
        return false;
    }
    while (query.next()) {
        summary.troublesome.push_back(
            {query.value(0).toString(), query.value(1).toInt(), query.value(2).toInt()});
    }
    return true;
}

bool readKeys(QSqlDatabase& db, Summary& summary, QSqlError& error) {
    QSqlQuery query(db);
    if (!select(query, QStringLiteral("SELECT character, attempts, errors FROM key_errors"),
                error)) {
        return false;
    }
    while (query.next()) {
        const QString character = query.value(0).toString();
        if (character.size() == 1) {
            summary.keys.push_back({character.front(),
                                    {static_cast<std::uint32_t>(query.value(1).toLongLong()),
                                     static_cast<std::uint32_t>(query.value(2).toLongLong())}});
        }
    }
    return true;
}

std::optional<Summary> read(QSqlDatabase& db, QSqlError& error) {
    Summary summary;
    const std::optional<int> longest =
        intOf(db, QStringLiteral("SELECT COALESCE(MAX(longest), 0) FROM memory_visits"), &error);
    if (!longest || !readGames(db, summary, error) || !readTroublesome(db, summary, error) ||
        !readKeys(db, summary, error)) {
        return std::nullopt;
    }
    summary.bests.longestSequence = *longest;
    return summary;
}

}  // namespace

struct Store::Statements {
    explicit Statements(const QSqlDatabase& db)
        : insertGame(db),
          updateGame(db),
          insertWord(db),
          countTrouble(db),
          countKey(db),
          insertVisit(db),
          updateVisit(db) {}

    // The error of the first statement that does not prepare.
    QSqlError prepare() {
        const QString columns = QLatin1String(kGameColumns);
        QString assignments = columns;
        assignments.replace(QLatin1String(","), QLatin1String(" = ?,")).append(" = ?");
        const std::pair<QSqlQuery*, QString> statements[] = {
            {&insertGame,
             QStringLiteral("INSERT INTO games (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                 .arg(columns)},
            {&updateGame, QStringLiteral("UPDATE games SET %1 WHERE id = ?").arg(assignments)},
            {&insertWord, QStringLiteral("INSERT INTO words (game, word, completed, ms, "
                                         "keystrokes, errors) VALUES (?, ?, ?, ?, ?, ?)")},
            {&countTrouble,
             QStringLiteral("INSERT INTO troublesome_words (word, missed, mistyped) VALUES (?, ?, "
                            "?) ON CONFLICT (word) DO UPDATE SET missed = missed + "
                            "excluded.missed, mistyped = mistyped + excluded.mistyped")},
            {&countKey, QStringLiteral("INSERT INTO key_errors (character, attempts, errors) "
                                       "VALUES (?, ?, ?) ON CONFLICT (character) DO UPDATE SET "
                                       "attempts = attempts + excluded.attempts, errors = errors "
                                       "+ excluded.errors")},
            {&insertVisit,
             QStringLiteral("INSERT INTO memory_visits (started, longest) VALUES (?, ?)")},
            {&updateVisit, QStringLiteral("UPDATE memory_visits SET longest = ? WHERE id = ?")},
        };
        for (const auto& [query, statement] : statements) {
            if (!query->prepare(statement)) {
                return query->lastError();
            }
        }
        return {};
    }

    // Inserts a game the store does not hold yet, updates one it holds.
    bool storeGame(const GameRecord& game) {
        QSqlQuery& query = game.id == 0 ? insertGame : updateGame;
        const QVariant figures[] = {
            game.started, game.activeMs,    game.score,       game.level,           game.completed,
            game.missed,  game.bonusWon,    game.bonusMissed, game.godMode ? 1 : 0, game.keystrokes,
            game.correct, game.corrections, game.characters};
        int index = 0;
        for (const QVariant& figure : figures) {
            query.bindValue(index++, figure);
        }
        if (game.id != 0) {
            query.bindValue(index, game.id);
        }
        return query.exec();
    }

    QSqlQuery insertGame, updateGame, insertWord, countTrouble, countKey, insertVisit, updateVisit;
};

Store::Store(QString path, bool onNetwork)
    : path_(std::move(path)),
      onNetwork_(onNetwork),
      connection_(QStringLiteral("toetsrace-statistieken-%1")
                      .arg(reinterpret_cast<quintptr>(this), 0, 16)) {}

Store::~Store() {
    close();
    QSqlDatabase::removeDatabase(connection_);
}

void Store::stop(const QString& reason) {
    if (!failed()) {
        failure_ = reason;
    }
    close();
}

bool Store::stopFor(const QSqlError& error) {
    stop(reasonFor(error));
    return false;
}

bool Store::ready() {
    if (failed()) {
        return false;
    }
    return open_ || open();
}

// SQLite follows links and opens whatever stands at its files' names: a FIFO would stall
// the game, a device or a file reached through someone else's link would be written.
QString Store::refusal() const {
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        const QString file = path_ + QLatin1String(suffix);
        const std::string refusal = data::refusalOf(file);
        if (!refusal.empty()) {
            return QFileInfo(file).fileName() + QStringLiteral(": ") + base::toQString(refusal) +
                   QLatin1Char('.');
        }
    }
    return {};
}

bool Store::open() {
    if (!QSqlDatabase::isDriverAvailable(driverName())) {
        stop(text(stats_texts::kNoDriver));
        return false;
    }
    if (const QString refused = refusal(); !refused.isEmpty()) {
        stop(refused);
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(driverName(), connection_);
    db.setDatabaseName(path_);
    db.setConnectOptions(connectOptions(false));
    if (!db.open()) {
        return stopFor(db.lastError());
    }
    open_ = true;
    // Nothing is written before the file has shown that it is one of ours.
    QSqlError error;
    const std::optional<int> version = intOf(db, QStringLiteral("PRAGMA user_version"), &error);
    if (!version) {
        return stopFor(error);
    }
    if (*version > schema::kCurrentVersion) {
        stop(text(stats_texts::kNewer));
        return false;
    }
    if (*version == 0) {
        const std::optional<int> tables =
            intOf(db, QStringLiteral("SELECT COUNT(*) FROM sqlite_master"), &error);
        if (!tables) {
            return stopFor(error);
        }
        if (*tables != 0) {
            stop(text(stats_texts::kDamaged));
            return false;
        }
    }
    QSqlQuery query(db);
    // A kill loses nothing committed; a commit waits for no disk.
    if (!query.exec(onNetwork_ ? QStringLiteral("PRAGMA journal_mode = DELETE")
                               : QStringLiteral("PRAGMA journal_mode = WAL")) ||
        !query.exec(QStringLiteral("PRAGMA synchronous = NORMAL")) ||
        !query.exec(QStringLiteral("PRAGMA foreign_keys = ON"))) {
        return stopFor(query.lastError());
    }
    if (error = schema::migrate(db, *version, schema::kCurrentVersion); error.isValid()) {
        return stopFor(error);
    }
    statements_ = std::make_unique<Statements>(db);
    if (error = statements_->prepare(); error.isValid()) {
        return stopFor(error);
    }
    return true;
}

void Store::close() {
    statements_.reset();
    if (open_) {
        QSqlDatabase::database(connection_, false).close();
        open_ = false;
    }
}

bool Store::commitOrStop() {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (db.commit()) {
        return true;
    }
    const QSqlError error = db.lastError();
    db.rollback();
    return stopFor(error);
}

bool Store::saveWord(GameRecord& game, const WordRecord& word, const KeyTallies& keys) {
    if (!ready()) {
        return false;
    }
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.transaction()) {
        return stopFor(db.lastError());
    }
    Statements& s = *statements_;
    const auto undo = [&](const QSqlQuery& failed) {
        const QSqlError error = failed.lastError();
        db.rollback();
        return stopFor(error);
    };
    if (!s.storeGame(game)) {
        return undo(game.id == 0 ? s.insertGame : s.updateGame);
    }
    const qint64 id = game.id == 0 ? s.insertGame.lastInsertId().toLongLong() : game.id;
    const QString shown = base::toQString(word.word);
    if (!run(s.insertWord,
             {id, shown, word.completed ? 1 : 0, word.ms, word.keystrokes, word.errors})) {
        return undo(s.insertWord);
    }
    const bool mistyped = word.completed && word.errors > 0;
    if ((!word.completed || mistyped) &&
        !run(s.countTrouble, {shown, word.completed ? 0 : 1, mistyped ? 1 : 0})) {
        return undo(s.countTrouble);
    }
    const auto& table = base::windows1252Table();
    for (std::size_t code = 0; code < keys.size(); ++code) {
        if (keys[code].attempts > 0 && !run(s.countKey, {QString(QChar(table[code])),
                                                         keys[code].attempts, keys[code].errors})) {
            return undo(s.countKey);
        }
    }
    if (!commitOrStop()) {
        return false;
    }
    game.id = id;
    return true;
}

bool Store::saveGame(const GameRecord& game) {
    if (game.id == 0) {
        return true;
    }
    if (!ready()) {
        return false;
    }
    return statements_->storeGame(game) || stopFor(statements_->updateGame.lastError());
}

bool Store::saveVisit(qint64& id, qint64 started, int longest) {
    if (!ready()) {
        return false;
    }
    Statements& s = *statements_;
    if (id != 0) {
        return run(s.updateVisit, {longest, id}) || stopFor(s.updateVisit.lastError());
    }
    if (!run(s.insertVisit, {started, longest})) {
        return stopFor(s.insertVisit.lastError());
    }
    id = s.insertVisit.lastInsertId().toLongLong();
    return true;
}

Summary Store::summary() {
    if (!failed() && !open_ && !QFileInfo::exists(path_)) {
        return {};
    }
    if (ready()) {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        QSqlError error;
        if (std::optional<Summary> summary = read(db, error)) {
            return *summary;
        }
        stopFor(error);
        return {};
    }
    return readOnly().value_or(Summary{});
}

// What a stopped store can still show: a connection that cannot write, to a file of the
// current version, closed again at once.
std::optional<Summary> Store::readOnly() {
    if (!QSqlDatabase::isDriverAvailable(driverName()) || !QFileInfo::exists(path_) ||
        !refusal().isEmpty()) {
        return std::nullopt;
    }
    const QString name = connection_ + QStringLiteral("-lezen");
    std::optional<Summary> summary;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(driverName(), name);
        db.setDatabaseName(path_);
        db.setConnectOptions(connectOptions(true));
        QSqlError error;
        if (db.open() && versionOf(db) == schema::kCurrentVersion) {
            summary = read(db, error);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return summary;
}

}  // namespace stats
