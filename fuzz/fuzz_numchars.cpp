// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

// NumCharsInString against a plain reference that tries every starting position.
// Input: one byte with the needle's length, the needle, then the text searched.
#include "check.h"
#include "data/cipher.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t needleLength = std::min<std::size_t>(data[0] % 8, size - 1);
    const std::string needle(reinterpret_cast<const char*>(data + 1), needleLength);
    const std::string text(reinterpret_cast<const char*>(data + 1 + needleLength),
                           size - 1 - needleLength);
    std::int32_t expected = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, needle.size()) == needle) {
            ++expected;
        }
    }
    FUZZ_CHECK(data::NumCharsInString(text, needle) == expected);
    return 0;
}
