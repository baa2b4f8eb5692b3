// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays the real main window with real statistics as fast as it can, word after word, so
// that the kill test can stop it at any moment; and reads back what the database holds.
//
// Usage: stats_player play <folder>    prints "word N" once word N is completed
//        stats_player check <folder>   prints the words stored; fails on a half-kept word
#include "doubles.h"
#include "game/form1.h"
#include "stats/typingstatistics.h"

#include <QApplication>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <cstdio>
#include <cstring>

namespace {

int play(const QString& folder) {
    QDir::setCurrent(folder);
    testing::ScriptedDialogs dialogs;
    base::ClockRandom random;
    app::Context context{dialogs, random, folder, [](int code) { std::exit(code); }};
    stats::TypingStatistics statistics(QDir(folder).filePath("statistieken.sqlite"));
    context.statistics = &statistics;
    Form1 form(context);
    context.guard([&] {
        form.Form_Load();
        for (long word = 1;; ++word) {
            if (!form.Timer1.enabled()) {
                form.Command1_Click();  // the first word of a level
            }
            QTest::keyClicks(&form.invoer, QString::fromLatin1(form.currentWord.c_str()));
            if (statistics.store().failed()) {
                std::fprintf(stderr, "%s\n", qPrintable(statistics.store().failure()));
                std::exit(1);
            }
            std::printf("word %ld\n", word);
            std::fflush(stdout);
        }
    });
    return 1;
}

// Every word is in the database whole, with its game's figures, or not at all.
int check(const QString& folder) {
    int words = -1;
    bool whole = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        db.setDatabaseName(QDir(folder).filePath("statistieken.sqlite"));
        QSqlQuery query(db);
        if (db.open() && query.exec("PRAGMA integrity_check") && query.next() &&
            query.value(0).toString() == "ok" &&
            query.exec("SELECT (SELECT COUNT(*) FROM words),"
                       " (SELECT COUNT(*) FROM words) = (SELECT COALESCE(SUM(completed + missed), "
                       "0) FROM games)"
                       " AND (SELECT COALESCE(SUM(keystrokes), 0) FROM words) ="
                       " (SELECT COALESCE(SUM(keystrokes), 0) FROM games)") &&
            query.next()) {
            words = query.value(0).toInt();
            whole = query.value(1).toBool();
        }
    }
    QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
    std::printf("stored %d\n", words);
    return whole ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: stats_player play|check <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[2]);
    return std::strcmp(argv[1], "play") == 0 ? play(folder) : check(folder);
}
