// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

// The loader's line splitting against a plain reference: a CR, or CR LF, ends a line; a
// lone LF is a character; a line end after the last line adds no entry.
#include "check.h"
#include "data/wordfile.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> reference(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '\r') {
            lines.push_back(line);
            line.clear();
            ++i;
            if (i < text.size() && text[i] == '\n') {
                ++i;
            }
            continue;
        }
        line.push_back(text[i++]);
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const base::TextLines split = data::splitLines(text);
    const std::vector<std::string> expected = reference(text);
    FUZZ_CHECK(split.text == text);
    FUZZ_CHECK(split.lines.size() == expected.size());
    std::uint32_t previousEnd = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto span = split.lines[i];
        FUZZ_CHECK(span.offset >= previousEnd);
        FUZZ_CHECK(span.offset + span.length <= text.size());
        FUZZ_CHECK(text.compare(span.offset, span.length, expected[i]) == 0);
        previousEnd = span.offset + span.length;
    }
    return 0;
}
