// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

// The highscore reading rule on any file start-up may meet: one entry per CR LF of the
// deciphered text, each exactly the text before its CR LF.
#include "check.h"
#include "data/cipher.h"
#include "data/highscores.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size >= data::kCipherLimit) {
        return 0;  // start-up refuses such a file before reading it
    }
    const std::string file(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> entries = data::highscoreEntries(file);
    const std::string plain = data::DecryptString(file, data::kHighscoreKey);
    FUZZ_CHECK(static_cast<std::int32_t>(entries.size()) == data::NumCharsInString(plain, "\r\n"));
    std::string rejoined;
    for (const std::string& entry : entries) {
        FUZZ_CHECK(entry.find("\r\n") == std::string::npos);
        rejoined += entry + "\r\n";
    }
    FUZZ_CHECK(plain.compare(0, rejoined.size(), rejoined) == 0);
    return 0;
}
