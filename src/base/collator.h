// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

struct UCollator;

namespace base {

// "Alphabetically, ignoring case", as the sorted lists order their entries: ICU's Dutch
// collation at secondary strength, so accented letters stand beside their base letter and
// entries that differ only in case compare equal. The empty text comes before every other.
// Works on Windows-1252 bytes.
class Collator {
public:
    Collator();
    ~Collator();
    Collator(const Collator&) = delete;
    Collator& operator=(const Collator&) = delete;

    int compare(std::string_view a, std::string_view b) const;

    // Sort keys compare bytewise in the same order as compare(). The prefix is the key's
    // first `count` bytes, computed no further; returns how many there are (fewer when
    // the key ends sooner).
    std::size_t sortKeyPrefix(std::string_view text, std::uint8_t* key, std::size_t count) const;
    std::string sortKey(std::string_view text) const;

private:
    const char16_t* widen(std::string_view text, std::u16string& buffer) const;

    UCollator* collator_ = nullptr;
    mutable std::u16string bufferA_;
    mutable std::u16string bufferB_;
};

}  // namespace base
