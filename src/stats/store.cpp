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
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <initializer_list>
#include <type_traits>
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
            // The Dutch first; SQLite's own words only follow, in brackets.
            return cannotWrite(QStringLiteral("SQLite-fout %1: %2")
                                   .arg(error.nativeErrorCode(), error.databaseText().isEmpty()
                                                                     ? error.driverText()
                                                                     : error.databaseText()));
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

// The columns of games and where a GameRecord holds each: the insert, the update and the
// reading back all come from this one list.
struct GameColumn {
    const char* name;
    QVariant (*get)(const GameRecord&);
    void (*set)(GameRecord&, const QVariant&);
};

template <auto Member>
constexpr GameColumn column(const char* name) {
    using Value = std::remove_cvref_t<decltype(std::declval<GameRecord&>().*Member)>;
    return {name, [](const GameRecord& game) { return QVariant::fromValue(game.*Member); },
            [](GameRecord& game, const QVariant& value) { game.*Member = value.value<Value>(); }};
}

constexpr GameColumn kGameColumns[] = {
    column<&GameRecord::started>("started"),
    column<&GameRecord::activeMs>("active_ms"),
    column<&GameRecord::score>("score"),
    column<&GameRecord::level>("level"),
    column<&GameRecord::completed>("completed"),
    column<&GameRecord::missed>("missed"),
    column<&GameRecord::bonusWon>("bonus_won"),
    column<&GameRecord::bonusMissed>("bonus_missed"),
    column<&GameRecord::godMode>("god_mode"),
    column<&GameRecord::keystrokes>("keystrokes"),
    column<&GameRecord::correct>("correct"),
    column<&GameRecord::corrections>("corrections"),
    column<&GameRecord::characters>("characters"),
    // Derived, stored so that reading thousands of games computes nothing per game.
    {"speed",
     [](const GameRecord& game) {
         return game.activeMs > 0 ? QVariant(wordsPerMinute(game.characters, game.activeMs))
                                  : QVariant();
     },
     [](GameRecord&, const QVariant&) {}},
    {"accuracy",
     [](const GameRecord& game) {
         return game.keystrokes > 0 ? QVariant(accuracyPercent(game.correct, game.keystrokes))
                                    : QVariant();
     },
     [](GameRecord&, const QVariant&) {}},
};

// "a, b, c" or, with `suffix` " = ?", "a = ?, b = ?, c = ?".
QString columnList(const char* suffix = "") {
    QStringList names;
    for (const GameColumn& column : kGameColumns) {
        names << QLatin1String(column.name) + QLatin1String(suffix);
    }
    return names.join(QStringLiteral(", "));
}

QString placeholders() {
    return QStringList(std::size(kGameColumns), QStringLiteral("?")).join(QStringLiteral(", "));
}

GameRecord gameFrom(const QSqlQuery& row) {
    GameRecord game;
    game.id = row.value(0).toLongLong();
    int index = 1;
    for (const GameColumn& column : kGameColumns) {
        column.set(game, row.value(index++));
    }
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

// As countsForRecords().
constexpr const char* kCountsSql = "(NOT god_mode AND completed + missed >= %1)";

// The games with keystrokes in the order played, each numbered by its id: games are kept
// from their first word on and never removed, so the ids count them. Past kMostPoints
// games, runs of consecutive games are averaged into one point each.
bool readProgress(QSqlDatabase& db, qint64 lastId, Summary& summary, QSqlError& error) {
    QSqlQuery query(db);
    if (!select(query,
                QStringLiteral("SELECT MAX(id), MAX(started), AVG(COALESCE(speed, 0)), "
                               "AVG(accuracy), COUNT(*) FROM games WHERE keystrokes > 0 GROUP BY "
                               "(id - 1) * %1 / %2 ORDER BY 1")
                    .arg(Summary::kMostPoints)
                    .arg(std::max<qint64>(lastId, 1)),
                error)) {
        return false;
    }
    while (query.next()) {
        summary.progress.push_back({query.value(0).toLongLong(), query.value(1).toLongLong(),
                                    query.value(2).toDouble(), query.value(3).toDouble(),
                                    query.value(4).toInt()});
    }
    error = query.lastError();
    return !error.isValid();
}

// The records as they stood before the last game: each the best of the games that count
// for it, other than the last, read from the top of its index.
bool readBestsBefore(QSqlDatabase& db, qint64 lastId, Summary::Bests& bests, QSqlError& error) {
    const QString counts = QString::fromLatin1(kCountsSql).arg(kRecordWords);
    const auto best = [&](const char* column, const QString& games, QVariant& found) {
        QSqlQuery query(db);
        if (!select(query,
                    QStringLiteral("SELECT id, %1 FROM games WHERE %2 AND %1 IS NOT NULL ORDER "
                                   "BY %1 DESC LIMIT 2")
                        .arg(QLatin1String(column), games),
                    error)) {
            return false;
        }
        while (query.next()) {
            if (query.value(0).toLongLong() != lastId) {
                found = query.value(1);
                break;
            }
        }
        error = query.lastError();
        return !error.isValid();
    };
    QVariant speed, accuracy, score, level;
    const QString notGod = QStringLiteral("NOT god_mode");
    if (!best("speed", counts, speed) || !best("accuracy", counts, accuracy) ||
        !best("score", notGod, score) || !best("level", notGod, level)) {
        return false;
    }
    const std::optional<int> games =
        intOf(db, QStringLiteral("SELECT COUNT(*) FROM games"), &error);
    if (!games) {
        return false;
    }
    bests.games = *games - 1;
    if (!speed.isNull()) {
        bests.wordsPerMinute = speed.toDouble();
    }
    if (!accuracy.isNull()) {
        bests.accuracy = accuracy.toDouble();
    }
    if (!score.isNull()) {
        bests.score = score.toLongLong();
    }
    if (!level.isNull()) {
        bests.level = level.toInt();
    }
    return true;
}

// The records once `game`, the last, joins the games before it.
Summary::Bests withGame(Summary::Bests bests, const GameRecord& game) {
    ++bests.games;
    const auto raise = [](auto& best, auto value) { best = best ? std::max(*best, value) : value; };
    if (countsForRecords(game)) {
        if (game.activeMs > 0) {
            raise(bests.wordsPerMinute, wordsPerMinute(game.characters, game.activeMs));
        }
        if (game.keystrokes > 0) {
            raise(bests.accuracy, accuracyPercent(game.correct, game.keystrokes));
        }
    }
    if (!game.godMode) {
        raise(bests.score, game.score);
        raise(bests.level, game.level);
    }
    return bests;
}

bool readLastGames(QSqlDatabase& db, Summary& summary, QSqlError& error) {
    QSqlQuery query(db);
    if (!select(
            query,
            QStringLiteral("SELECT id, %1 FROM games ORDER BY id DESC LIMIT 2").arg(columnList()),
            error)) {
        return false;
    }
    if (query.next()) {
        summary.lastGame = gameFrom(query);
    }
    if (query.next()) {
        summary.previousGame = gameFrom(query);
    }
    error = query.lastError();
    if (error.isValid() || !summary.lastGame) {
        return !error.isValid();
    }
    QSqlQuery average(db);
    if (!select(average,
                QStringLiteral("SELECT COUNT(*), AVG(COALESCE(speed, 0)), AVG(accuracy) FROM "
                               "(SELECT * FROM games WHERE keystrokes > 0 ORDER BY id DESC "
                               "LIMIT 10)"),
                error) ||
        !average.next()) {
        error = average.lastError();
        return false;
    }
    summary.lastTen = {average.value(0).toInt(), average.value(1).toDouble(),
                       average.value(2).toDouble()};
    if (!readProgress(db, summary.lastGame->id, summary, error) ||
        !readBestsBefore(db, summary.lastGame->id, summary.bestsBefore, error)) {
        return false;
    }
    summary.bests = withGame(summary.bestsBefore, *summary.lastGame);
    return true;
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

bool readMixups(QSqlDatabase& db, Summary& summary, QSqlError& error) {
    QSqlQuery query(db);
    if (!select(query,
                QStringLiteral("SELECT due, typed, times FROM confusions WHERE times >= %1 "
                               "ORDER BY times DESC, due, typed LIMIT 3")
                    .arg(kShownConfusions),
                error)) {
        return false;
    }
    while (query.next()) {
        const QString due = query.value(0).toString();
        const QString typed = query.value(1).toString();
        if (due.size() == 1 && typed.size() == 1) {
            summary.mixups.push_back({due.front(), typed.front(), query.value(2).toLongLong()});
        }
    }
    return true;
}

// A practice run's columns after its id, in the order of PracticeRun.
constexpr const char* kRunFigures =
    "started, words, first_time, missed, active_ms, keystrokes, correct, characters, start_pace, "
    "end_pace";

PracticeRun runFrom(const QSqlQuery& row) {
    return {row.value(0).toLongLong(), row.value(1).toLongLong(), row.value(2).toInt(),
            row.value(3).toInt(),      row.value(4).toInt(),      row.value(5).toLongLong(),
            row.value(6).toLongLong(), row.value(7).toLongLong(), row.value(8).toLongLong(),
            row.value(9).toDouble(),   row.value(10).toDouble()};
}

bool readPracticeRuns(QSqlDatabase& db, Summary& summary, QSqlError& error) {
    QSqlQuery query(db);
    if (!select(query,
                QStringLiteral("SELECT id, %1 FROM practice_runs ORDER BY id DESC LIMIT %2")
                    .arg(QLatin1String(kRunFigures))
                    .arg(Summary::kShownRuns),
                error)) {
        return false;
    }
    while (query.next()) {
        summary.practiceRuns.push_back(runFrom(query));
    }
    const std::optional<int> runs =
        intOf(db, QStringLiteral("SELECT COUNT(*) FROM practice_runs"), &error);
    summary.practiceRunCount = runs.value_or(0);
    return runs.has_value();
}

std::optional<Summary> read(QSqlDatabase& db, QSqlError& error) {
    Summary summary;
    const std::optional<int> longest =
        intOf(db, QStringLiteral("SELECT COALESCE(MAX(longest), 0) FROM memory_visits"), &error);
    if (!longest || !readLastGames(db, summary, error) || !readTroublesome(db, summary, error) ||
        !readKeys(db, summary, error) || !readMixups(db, summary, error) ||
        !readPracticeRuns(db, summary, error)) {
        return std::nullopt;
    }
    summary.bests.longestSequence = *longest;
    summary.bestsBefore.longestSequence = *longest;
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
          countConfusion(db),
          forgetMastery(db),
          insertVisit(db),
          updateVisit(db) {}

    // The error of the first statement that does not prepare.
    QSqlError prepare() {
        const std::pair<QSqlQuery*, QString> statements[] = {
            {&insertGame, QStringLiteral("INSERT INTO games (%1) VALUES (%2)")
                              .arg(columnList(), placeholders())},
            {&updateGame,
             QStringLiteral("UPDATE games SET %1 WHERE id = ?").arg(columnList(" = ?"))},
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
            {&countConfusion,
             QStringLiteral("INSERT INTO confusions (due, typed, times) VALUES (?, ?, 1) ON "
                            "CONFLICT (due, typed) DO UPDATE SET times = times + 1")},
            {&forgetMastery, QStringLiteral("DELETE FROM practice_streaks WHERE word = ?")},
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
        int index = 0;
        for (const GameColumn& column : kGameColumns) {
            query.bindValue(index++, column.get(game));
        }
        if (game.id != 0) {
            query.bindValue(index, game.id);
        }
        return query.exec();
    }

    QSqlQuery insertGame, updateGame, insertWord, countTrouble, countKey, countConfusion,
        forgetMastery, insertVisit, updateVisit;
};

Store::Store(QString path, bool onNetwork)
    : path_(std::move(path)),
      onNetwork_(onNetwork),
      connection_(QStringLiteral("toetsrace-statistieken-%1")
                      .arg(reinterpret_cast<quintptr>(this), 0, 16)) {}

Store::~Store() {
    waitForPreparation();
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

namespace {

// Checks that the file is one of ours, nothing written before it has shown that, and
// brings it to the current version. Returns why it cannot be used.
QString bringUpToDate(QSqlDatabase& db, bool onNetwork) {
    QSqlError error;
    const std::optional<int> version = intOf(db, QStringLiteral("PRAGMA user_version"), &error);
    if (!version) {
        return reasonFor(error);
    }
    if (*version > schema::kCurrentVersion) {
        return text(stats_texts::kNewer);
    }
    if (*version == 0) {
        const std::optional<int> tables =
            intOf(db, QStringLiteral("SELECT COUNT(*) FROM sqlite_master"), &error);
        if (!tables) {
            return reasonFor(error);
        }
        if (*tables != 0) {
            return text(stats_texts::kDamaged);
        }
    }
    QSqlQuery query(db);
    // A kill loses nothing committed; a commit waits for no disk.
    if (!query.exec(onNetwork ? QStringLiteral("PRAGMA journal_mode = DELETE")
                              : QStringLiteral("PRAGMA journal_mode = WAL")) ||
        !query.exec(QStringLiteral("PRAGMA synchronous = NORMAL")) ||
        !query.exec(QStringLiteral("PRAGMA foreign_keys = ON"))) {
        return reasonFor(query.lastError());
    }
    if (error = schema::migrate(db, *version, schema::kCurrentVersion); error.isValid()) {
        return reasonFor(error);
    }
    return {};
}

}  // namespace

bool Store::open() {
    waitForPreparation();
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
    if (const QString reason = bringUpToDate(db, onNetwork_); !reason.isEmpty()) {
        stop(reason);
        return false;
    }
    statements_ = std::make_unique<Statements>(db);
    if (const QSqlError error = statements_->prepare(); error.isValid()) {
        return stopFor(error);
    }
    return true;
}

// Creating the file costs a few writes to disk that wait for it; the first word should
// not. A connection of the thread's own does it, and what it finds wrong is found again,
// and said, when the store opens.
void Store::prepareAside() {
    if (preparing_.joinable() || open_ || failed() ||
        !QSqlDatabase::isDriverAvailable(driverName()) || !refusal().isEmpty()) {
        return;
    }
    preparing_ = std::thread([this, path = path_, onNetwork = onNetwork_,
                              name = connection_ + QStringLiteral("-vooraf")] {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(driverName(), name);
            db.setDatabaseName(path);
            db.setConnectOptions(connectOptions(false));
            if (db.open()) {
                bringUpToDate(db, onNetwork);
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        QMetaObject::invokeMethod(
            &afterPreparing_, [this] { ready(); }, Qt::QueuedConnection);
    });
}

void Store::waitForPreparation() {
    if (preparing_.joinable()) {
        preparing_.join();
    }
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
    if (!word.completed || mistyped) {
        // A slip in a game puts a mastered word back among those to practise.
        if (!run(s.countTrouble, {shown, word.completed ? 0 : 1, mistyped ? 1 : 0})) {
            return undo(s.countTrouble);
        }
        if (!run(s.forgetMastery, {shown})) {
            return undo(s.forgetMastery);
        }
    }
    const auto& table = base::windows1252Table();
    for (std::size_t code = 0; code < keys.size(); ++code) {
        if (keys[code].attempts > 0 && !run(s.countKey, {QString(QChar(table[code])),
                                                         keys[code].attempts, keys[code].errors})) {
            return undo(s.countKey);
        }
    }
    for (int i = 0; i < word.confusionCount; ++i) {
        const Confusion confusion = word.confusions[static_cast<std::size_t>(i)];
        if (!run(s.countConfusion,
                 {QString(QChar(table[confusion.due])), QString(QChar(table[confusion.typed]))})) {
            return undo(s.countConfusion);
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
    waitForPreparation();
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

namespace {

constexpr int kPractisedWords = 30;  // the words missed or mistyped most that a run picks from

bool readPracticeHistory(QSqlDatabase& db, PracticeHistory& history, QSqlError& error) {
    QSqlQuery words(db);
    if (!select(words,
                QStringLiteral("SELECT t.word, t.missed, t.mistyped FROM troublesome_words t "
                               "LEFT JOIN practice_streaks p ON p.word = t.word WHERE "
                               "COALESCE(p.clean, 0) < %1 ORDER BY t.missed + t.mistyped DESC, "
                               "t.word LIMIT %2")
                    .arg(kMasteredAfter)
                    .arg(kPractisedWords),
                error)) {
        return false;
    }
    while (words.next()) {
        history.words.push_back(
            {words.value(0).toString(), words.value(1).toInt(), words.value(2).toInt()});
    }
    Summary summary;
    if (!readKeys(db, summary, error) || !readMixups(db, summary, error)) {
        return false;
    }
    for (const Summary::Key& key : summary.keys) {
        history.keys.push_back({key.character, key.tally.attempts, key.tally.errors});
    }
    for (const Summary::Mixup& mixup : summary.mixups) {
        history.mixups.push_back({mixup.due, mixup.typed, mixup.times});
    }
    QSqlQuery recent(db);
    if (!select(recent,
                QStringLiteral("SELECT COUNT(speed), AVG(speed) FROM (SELECT speed FROM games "
                               "WHERE keystrokes > 0 ORDER BY id DESC LIMIT 10)"),
                error) ||
        !recent.next()) {
        error = recent.lastError();
        return false;
    }
    history.recentGames = recent.value(0).toInt();
    history.recentWordsPerMinute = recent.value(1).toDouble();
    return true;
}

}  // namespace

std::optional<PracticeHistory> Store::practiceHistory() {
    waitForPreparation();
    if (!failed() && !open_ && !QFileInfo::exists(path_)) {
        return PracticeHistory{};
    }
    if (!ready()) {
        return std::nullopt;
    }
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlError error;
    PracticeHistory history;
    if (!readPracticeHistory(db, history, error)) {
        stopFor(error);
        return std::nullopt;
    }
    return history;
}

std::optional<int> Store::savePracticeWord(PracticeRun& practice, const PracticeWord& word,
                                           const KeyTallies& keys) {
    if (!ready()) {
        return std::nullopt;
    }
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.transaction()) {
        stopFor(db.lastError());
        return std::nullopt;
    }
    QSqlQuery query(db);
    const auto step = [&](const QString& statement, std::initializer_list<QVariant> values) {
        return query.prepare(statement) && run(query, values);
    };
    const QVariantList figures = {practice.started, practice.words,      practice.firstTime,
                                  practice.missed,  practice.activeMs,   practice.keystrokes,
                                  practice.correct, practice.characters, practice.startPace,
                                  practice.endPace};
    // The run's columns as kRunFigures names them, once for the insert, once for the update.
    const QStringList columns = QString::fromLatin1(kRunFigures).split(QStringLiteral(", "));
    bool stored = practice.id == 0
                      ? query.prepare(QStringLiteral("INSERT INTO practice_runs (%1) VALUES (%2)")
                                          .arg(QLatin1String(kRunFigures),
                                               QStringList(columns.size(), QStringLiteral("?"))
                                                   .join(QStringLiteral(", "))))
                      : query.prepare(QStringLiteral("UPDATE practice_runs SET %1 = ? WHERE id = ?")
                                          .arg(columns.join(QStringLiteral(" = ?, "))));
    if (stored) {
        int index = 0;
        for (const QVariant& value : figures) {
            query.bindValue(index++, value);
        }
        if (practice.id != 0) {
            query.bindValue(index, practice.id);
        }
        stored = query.exec();
    }
    const qint64 id = practice.id == 0 ? query.lastInsertId().toLongLong() : practice.id;
    const QString shown = base::toQString(word.word);
    const bool clean = word.completed && word.errors == 0;
    stored = stored &&
             step(QStringLiteral("INSERT INTO practice_words (run, word, from_mistakes, "
                                 "completed, ms, keystrokes, errors, pace) VALUES (?, ?, ?, ?, ?, "
                                 "?, ?, ?)"),
                  {id, shown, word.fromMistakes ? 1 : 0, word.completed ? 1 : 0, word.ms,
                   word.keystrokes, word.errors, word.pace});
    const auto& table = base::windows1252Table();
    for (std::size_t code = 0; stored && code < keys.size(); ++code) {
        stored = keys[code].attempts == 0 ||
                 step(QStringLiteral("INSERT INTO practice_keys (run, character, attempts, errors) "
                                     "VALUES (?, ?, ?, ?) ON CONFLICT (run, character) DO UPDATE "
                                     "SET attempts = attempts + excluded.attempts, errors = "
                                     "errors + excluded.errors"),
                      {id, QString(QChar(table[code])), keys[code].attempts, keys[code].errors});
    }
    stored = stored && step(clean ? QStringLiteral("INSERT INTO practice_streaks (word, clean) "
                                                   "VALUES (?, 1) ON CONFLICT (word) DO UPDATE "
                                                   "SET clean = clean + 1")
                                  : QStringLiteral("INSERT INTO practice_streaks (word, clean) "
                                                   "VALUES (?, 0) ON CONFLICT (word) DO UPDATE "
                                                   "SET clean = 0"),
                            {shown});
    std::optional<int> streak;
    if (stored &&
        step(QStringLiteral("SELECT clean FROM practice_streaks WHERE word = ?"), {shown}) &&
        query.next()) {
        streak = query.value(0).toInt();
    }
    if (!streak) {
        const QSqlError error = query.lastError();
        db.rollback();
        stopFor(error);
        return std::nullopt;
    }
    if (!commitOrStop()) {
        return std::nullopt;
    }
    practice.id = id;
    return streak;
}

}  // namespace stats
