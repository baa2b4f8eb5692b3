// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/collator.h"

#include "base/failure.h"
#include "base/text.h"

#include <unicode/ucol.h>
#include <unicode/uiter.h>

#include <algorithm>

namespace base {

Collator::Collator() {
    UErrorCode status = U_ZERO_ERROR;
    collator_ = ucol_open("nl", &status);
    if (U_FAILURE(status)) {
        throw Failure(std::string("De sorteervolgorde van ICU is niet beschikbaar (") +
                      u_errorName(status) + ").");
    }
    ucol_setStrength(collator_, UCOL_SECONDARY);
}

Collator::~Collator() {
    ucol_close(collator_);
}

const char16_t* Collator::widen(std::string_view text, std::u16string& buffer) const {
    const auto& table = windows1252Table();
    buffer.resize(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        buffer[i] = table[static_cast<unsigned char>(text[i])];
    }
    return buffer.data();
}

// The empty text sorts before every other text, also before one that ICU ignores whole
// (a lone Ctrl-Z, a soft hyphen, a control character), which it would rank level with
// the empty text: the blank entry of a word list must stand at position 0.
int Collator::compare(std::string_view a, std::string_view b) const {
    if (a.empty() || b.empty()) {
        return static_cast<int>(!a.empty()) - static_cast<int>(!b.empty());
    }
    const char16_t* wa = widen(a, bufferA_);
    const char16_t* wb = widen(b, bufferB_);
    return ucol_strcoll(collator_, reinterpret_cast<const UChar*>(wa),
                        static_cast<int32_t>(a.size()), reinterpret_cast<const UChar*>(wb),
                        static_cast<int32_t>(b.size()));
}

std::size_t Collator::sortKeyPrefix(std::string_view text, std::uint8_t* key,
                                    std::size_t count) const {
    // Every key of a non-empty text starts with a byte above zero; the empty text's prefix
    // is all zeros.
    if (text.empty()) {
        std::fill_n(key, count, std::uint8_t{0});
        return 0;
    }
    const char16_t* wide = widen(text, bufferA_);
    UCharIterator iterator;
    uiter_setString(&iterator, reinterpret_cast<const UChar*>(wide),
                    static_cast<int32_t>(text.size()));
    std::uint32_t state[2] = {0, 0};
    UErrorCode status = U_ZERO_ERROR;
    const int32_t written = ucol_nextSortKeyPart(collator_, &iterator, state, key,
                                                 static_cast<int32_t>(count), &status);
    return U_FAILURE(status) ? 0 : static_cast<std::size_t>(written);
}

std::string Collator::sortKey(std::string_view text) const {
    if (text.empty()) {
        return {};
    }
    const char16_t* wide = widen(text, bufferA_);
    UCharIterator iterator;
    uiter_setString(&iterator, reinterpret_cast<const UChar*>(wide),
                    static_cast<int32_t>(text.size()));
    std::uint32_t state[2] = {0, 0};
    std::string key;
    for (;;) {
        constexpr int32_t kPart = 64;
        std::uint8_t part[kPart];
        UErrorCode status = U_ZERO_ERROR;
        const int32_t written =
            ucol_nextSortKeyPart(collator_, &iterator, state, part, kPart, &status);
        if (U_FAILURE(status)) {
            throw Failure(std::string("Sorteren mislukt (") + u_errorName(status) + ").");
        }
        key.append(reinterpret_cast<const char*>(part), static_cast<std::size_t>(written));
        if (written < kPart) {
            return key;
        }
    }
}

}  // namespace base
