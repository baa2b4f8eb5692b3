// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/highscores.h"

#include "data/cipher.h"
#include "data/filelock.h"

namespace data {

std::string highscorePlainText(const base::ListItems& table) {
    std::string plain;
    for (int i = 0; i < table.count(); ++i) {
        plain.append(table.item(i));
        plain.append("\r\n");
    }
    return plain;
}

std::string highscoreFileBytes(const base::ListItems& table) {
    return EncryptString(highscorePlainText(table), kHighscoreKey) + "\r\n";
}

namespace {

enum class Outcome { Changed, Unchanged, TooLarge };

Outcome apply(base::ListItems& table, const HighscoreChange& change) {
    if (change.kind == HighscoreChange::Kind::Add) {
        if (highscorePlainText(table).size() + change.entry.size() + 2 > kLargestHighscoreText) {
            return Outcome::TooLarge;
        }
        table.addItem(change.entry);
        return Outcome::Changed;
    }
    for (int i = 0; i < table.count(); ++i) {
        if (table.item(i) == change.entry) {
            table.removeItem(i);
            return Outcome::Changed;
        }
    }
    return Outcome::Unchanged;
}

bool saveInto(const QString& path, base::ListItems& table,
              const std::vector<HighscoreChange>& changes, const LockTimes& times) {
    bool fits = true;
    withLock(path, times, [&](FileLock& lock) {
        table.clear();
        if (const auto stored = readWholeFileIfAny(path, kLargestHighscoreFile)) {
            for (const std::string& entry : highscoreEntries(*stored)) {
                table.addItem(entry);
            }
        }
        fits = true;
        bool changed = false;
        for (const HighscoreChange& change : changes) {
            const Outcome outcome = apply(table, change);
            fits = fits && outcome != Outcome::TooLarge;
            changed = changed || outcome == Outcome::Changed;
        }
        // The whole content is ready before the file is touched.
        const std::string bytes = changed ? highscoreFileBytes(table) : std::string();
        return !changed ||
               replaceWhileHolding(lock, path, [&](AtomicWriter& writer) { writer.write(bytes); });
    });
    return fits;
}

}  // namespace

void applyHighscoreChange(base::ListItems& table, const HighscoreChange& change) {
    apply(table, change);
}

bool saveHighscoreChanges(const QString& path, base::ListItems& table,
                          const std::vector<HighscoreChange>& changes, const LockTimes& times) {
    std::vector<std::string> shown;
    for (int i = 0; i < table.count(); ++i) {
        shown.emplace_back(table.item(i));
    }
    try {
        return saveInto(path, table, changes, times);
    } catch (...) {
        // The window keeps showing what it showed.
        table.clear();
        for (const std::string& entry : shown) {
            table.addItem(entry);
        }
        throw;
    }
}

std::vector<std::string> readHighscoreFile(const QString& path) {
    return highscoreEntries(readWholeFile(path, kLargestHighscoreFile));
}

std::vector<std::string> highscoreEntries(std::string_view fileBytes) {
    const std::string plain = DecryptString(fileBytes, kHighscoreKey);
    const std::int32_t lines = NumCharsInString(plain, "\r\n");
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(lines));
    std::size_t start = 0;
    for (std::int32_t i = 0; i < lines; ++i) {
        const std::size_t end = plain.find("\r\n", start);
        entries.emplace_back(plain, start, end - start);
        start = end + 2;
    }
    return entries;
}

}  // namespace data
