// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The keyed cipher of the highscore file: each byte shifted by a byte of the upper-case
// key, modulo 256, starting at the key's second character. Texts are Windows-1252 bytes.
namespace data {

// With a non-empty key a text of this many characters or more is an overflow failure.
inline constexpr std::size_t kCipherLimit = 32767;

std::string EncryptString(std::string_view text, std::string_view key);
std::string DecryptString(std::string_view text, std::string_view key);

// The number of positions at which CharToFind occurs in myStr; overlapping occurrences
// each count, and the empty text occurs at every position.
std::int32_t NumCharsInString(std::string_view myStr, std::string_view CharToFind);

// The Windows-1252 upper case of a text, letter by letter.
std::string upperCase(std::string_view text);

}  // namespace data
