// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

// Writing a table and reading it back gives the same entries, in the same order. The
// table's entries come from the input cut at LF, without the line breaks the game refuses.
#include "check.h"
#include "data/highscores.h"

#include <string>
#include <vector>

namespace {

class Table : public base::ListItems {
public:
    int count() const override { return static_cast<int>(entries.size()); }
    std::string_view item(int index) const override { return entries[index]; }
    int emptyEntries() const override { return 0; }
    void clear() override { entries.clear(); }
    int addItem(std::string_view entry) override {
        entries.emplace_back(entry);
        return count() - 1;
    }
    void removeItem(int index) override { entries.erase(entries.begin() + index); }
    void assignLines(base::TextLines&&) override {}
    std::vector<std::string> entries;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    Table table;
    std::string entry;
    std::size_t plainSize = 0;
    for (std::size_t i = 0; i <= size; ++i) {
        if (i == size || data[i] == '\n') {
            if (plainSize + entry.size() + 2 > data::kLargestHighscoreText) {
                break;  // the game refuses what would not fit
            }
            plainSize += entry.size() + 2;
            table.addItem(entry);
            entry.clear();
        } else if (data[i] != '\r') {
            entry.push_back(static_cast<char>(data[i]));
        }
    }
    const std::string file = data::highscoreFileBytes(table);
    FUZZ_CHECK(file.size() == plainSize + 2);
    FUZZ_CHECK(file.size() < data::kCipherLimit);
    FUZZ_CHECK(data::highscoreEntries(file) == table.entries);
    return 0;
}
