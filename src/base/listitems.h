// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace base {

// A batch of entries in one byte pool: entry i is text.substr(offset, length) of lines[i].
// Entries stand in the pool in their order of arrival: offsets grow with the index.
struct TextLines {
    struct Span {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };
    std::string text;
    std::vector<Span> lines;
};

// What the game asks of a list control's entries. A sorted list places every entry at
// its sorted place; an unsorted one keeps the order of arrival.
class ListItems {
public:
    virtual ~ListItems() = default;
    virtual int count() const = 0;
    virtual std::string_view item(int index) const = 0;
    // How many entries are the empty text; known without looking at the entries.
    virtual int emptyEntries() const = 0;
    bool holdsAWord() const { return count() > emptyEntries(); }
    virtual void clear() = 0;
    // Returns the index the entry went to.
    virtual int addItem(std::string_view entry) = 0;
    virtual void removeItem(int index) = 0;
    // Replaces every entry with these, as if each had been added in turn.
    virtual void assignLines(TextLines&& lines) = 0;
};

}  // namespace base
