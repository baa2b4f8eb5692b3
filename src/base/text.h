// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>
#include <optional>
#include <string>
#include <string_view>

// Texts inside the game are byte strings in the Windows-1252 code page, exactly as
// the word files and the highscore file hold them. They become QString only where a
// widget shows them or the player typed them.
namespace base {

// Every byte has a character: the five codes that Windows-1252 leaves undefined map to
// the C1 control characters of the same value, so no byte is ever lost on the way.
const std::array<char16_t, 256>& windows1252Table();

QString toQString(std::string_view bytes);

// Empty when a character has no Windows-1252 code.
std::optional<std::string> fromQString(const QString& text);

// The shortest decimal text of a whole number, as captions show numbers.
std::string decimal(long long value);

// No control shows more than this many characters of a text: a line of a word file may be
// megabytes long, and laying all of it out would stall the game for what no screen shows.
inline constexpr std::size_t kShownCharacters = 1000;

// The part of a text a control shows.
std::string_view shownPart(std::string_view bytes);

// Line ends as the player sees them in a multi-line widget ("\n") and as the game holds
// them in its texts (CR LF).
QString toDisplayLines(std::string_view bytes);

}  // namespace base

namespace base {
// For texts from outside the game, such as file paths, that go into a message: a
// character without a Windows-1252 code shows as '?'.
std::string toBytesLossy(const QString& text);
}  // namespace base
