// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/cipher.h"

#include "base/failure.h"
#include "base/text.h"

#include <array>

namespace data {

namespace {

const std::array<unsigned char, 256>& upperTable() {
    static const std::array<unsigned char, 256> table = [] {
        const auto& unicode = base::windows1252Table();
        std::array<unsigned char, 256> t{};
        for (int code = 0; code < 256; ++code) {
            t[code] = static_cast<unsigned char>(code);
            const char16_t upper = QChar(unicode[code]).toUpper().unicode();
            for (int other = 0; other < 256; ++other) {
                if (unicode[other] == upper) {
                    t[code] = static_cast<unsigned char>(other);
                    break;
                }
            }
        }
        return t;
    }();
    return table;
}

std::string shift(std::string_view text, std::string_view key, int direction) {
    const std::string upperKey = upperCase(key);
    if (upperKey.empty()) {
        return std::string(text);
    }
    if (text.size() >= kCipherLimit) {
        throw base::OverflowFailure(
            "de lengte van de te versleutelen tekst (32767 tekens of meer)");
    }
    const std::size_t keyLength = upperKey.size();
    std::string result(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Text position i + 1 (counting from 1) uses key position ((i + 1) mod L) + 1.
        const int k = static_cast<unsigned char>(upperKey[(i + 1) % keyLength]);
        const int c = static_cast<unsigned char>(text[i]);
        result[i] = static_cast<char>((c + direction * k + 256) % 256);
    }
    return result;
}

}  // namespace

std::string upperCase(std::string_view text) {
    const auto& table = upperTable();
    std::string upper(text);
    for (char& c : upper) {
        c = static_cast<char>(table[static_cast<unsigned char>(c)]);
    }
    return upper;
}

std::string EncryptString(std::string_view text, std::string_view key) {
    return shift(text, key, +1);
}

std::string DecryptString(std::string_view text, std::string_view key) {
    return shift(text, key, -1);
}

std::int32_t NumCharsInString(std::string_view myStr, std::string_view CharToFind) {
    if (CharToFind.empty()) {
        return static_cast<std::int32_t>(myStr.size());
    }
    std::int32_t count = 0;
    for (std::size_t at = myStr.find(CharToFind); at != std::string_view::npos;
         at = myStr.find(CharToFind, at + 1)) {
        ++count;
    }
    return count;
}

}  // namespace data
