#pragma once

#include <string>
#include <string_view>
#include <vector>

// The highscore file: the table's plain text (every entry followed by CR LF) enciphered
// with the fixed key, then a plain CR LF.
namespace data {

inline constexpr const char* kHighscoreFile = "highscores.txt";
inline constexpr std::string_view kHighscoreKey = "zwavel";

// The entries a highscore file holds: its whole text deciphered and cut at every CR LF.
// Whatever follows the last CR LF (the file's own closing CR LF, deciphered) is no entry.
// A text too long for the cipher is an overflow failure.
std::vector<std::string> highscoreEntries(std::string_view fileBytes);

}  // namespace data
