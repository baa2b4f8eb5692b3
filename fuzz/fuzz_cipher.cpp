// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

// The cipher pair: deciphering an enciphered text gives it back and the other way round,
// both keep the length, the key counts only in upper case, and an empty key changes nothing.
// Input: one byte with the key's length, the key, then the text.
#include "base/failure.h"
#include "check.h"
#include "data/cipher.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t keyLength = std::min<std::size_t>(data[0] % 16, size - 1);
    const std::string key(reinterpret_cast<const char*>(data + 1), keyLength);
    const std::string text(reinterpret_cast<const char*>(data + 1 + keyLength),
                           size - 1 - keyLength);
    if (!key.empty() && text.size() >= data::kCipherLimit) {
        bool refused = false;
        try {
            data::EncryptString(text, key);
        } catch (const base::OverflowFailure&) {
            refused = true;
        }
        FUZZ_CHECK(refused);
        return 0;
    }
    const std::string enciphered = data::EncryptString(text, key);
    const std::string deciphered = data::DecryptString(text, key);
    FUZZ_CHECK(enciphered.size() == text.size());
    FUZZ_CHECK(deciphered.size() == text.size());
    FUZZ_CHECK(data::DecryptString(enciphered, key) == text);
    FUZZ_CHECK(data::EncryptString(deciphered, key) == text);
    FUZZ_CHECK(data::EncryptString(text, data::upperCase(key)) == enciphered);
    if (key.empty()) {
        FUZZ_CHECK(enciphered == text);
    }
    return 0;
}
