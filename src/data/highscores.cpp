// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/highscores.h"

#include "data/cipher.h"

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

bool saveHighscoreChange(const QString& path, base::ListItems& table,
                         const HighscoreChange& change) {
    const FileLock lock(path);
    table.clear();
    if (fileKind(path) != FileKind::Missing) {
        for (const std::string& entry : readHighscoreFile(path)) {
            table.addItem(entry);
        }
    }
    if (change.kind == HighscoreChange::Kind::Add) {
        if (highscorePlainText(table).size() + change.entry.size() + 2 > kLargestHighscoreText) {
            return false;
        }
        table.addItem(change.entry);
    } else {
        for (int i = 0; i < table.count(); ++i) {
            if (table.item(i) == change.entry) {
                table.removeItem(i);
                break;
            }
        }
    }
    // The whole content is ready before the file is touched.
    saveWholeFile(path, highscoreFileBytes(table));
    return true;
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
