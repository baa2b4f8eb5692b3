// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/highscores.h"

#include "data/cipher.h"
#include "data/files.h"

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

void saveHighscoreFile(const QString& path, const base::ListItems& table) {
    // The whole content is ready before the file is touched.
    saveWholeFile(path, highscoreFileBytes(table));
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
