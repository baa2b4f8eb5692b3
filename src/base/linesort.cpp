// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/linesort.h"

#include <algorithm>
#include <exception>
#include <thread>

namespace base {

namespace {

// The first eight bytes of an entry's sort key, and where the entry stands.
struct SortRecord {
    std::uint64_t keyPrefix;
    TextLines::Span span;
};

constexpr std::size_t kPrefixBytes = sizeof(std::uint64_t);

std::uint64_t keyPrefixOf(std::string_view entry, const Collator& collator) {
    std::uint8_t key[kPrefixBytes] = {};
    collator.sortKeyPrefix(entry, key, kPrefixBytes);
    std::uint64_t prefix = 0;
    for (const std::uint8_t byte : key) {
        prefix = prefix << 8 | byte;
    }
    return prefix;
}

// Below this many entries one thread sorts alone.
constexpr std::ptrdiff_t kShareAbove = 20000;

// Sort keys hold no zero byte; a prefix padded with zeros is the whole key.
bool isWholeKey(std::uint64_t prefix) {
    return (prefix & 0xFF) == 0;
}

// Full sort keys of the entries of one run, side by side in one buffer that the next run
// uses again.
class RunKeys {
public:
    void sort(SortRecord* first, SortRecord* last, std::string_view text,
              const Collator& collator) {
        bytes_.clear();
        keys_.clear();
        for (SortRecord* r = first; r != last; ++r) {
            const std::size_t at = bytes_.size();
            bytes_ += collator.sortKey(text.substr(r->span.offset, r->span.length));
            keys_.push_back({at, bytes_.size() - at, r->span});
        }
        const std::string_view all = bytes_;
        std::stable_sort(keys_.begin(), keys_.end(), [all](const Key& a, const Key& b) {
            return all.substr(a.offset, a.length) < all.substr(b.offset, b.length);
        });
        for (std::size_t i = 0; i < keys_.size(); ++i) {
            first[i].span = keys_[i].span;
        }
    }

private:
    struct Key {
        std::size_t offset;
        std::size_t length;
        TextLines::Span span;
    };
    std::string bytes_;
    std::vector<Key> keys_;
};

void computePrefixes(SortRecord* first, SortRecord* last, std::string_view text,
                     const Collator& collator) {
    for (SortRecord* r = first; r != last; ++r) {
        r->keyPrefix = keyPrefixOf(text.substr(r->span.offset, r->span.length), collator);
    }
}

void sortRuns(SortRecord* first, SortRecord* last, std::string_view text,
              const Collator& collator) {
    RunKeys runKeys;
    for (SortRecord* run = first; run != last;) {
        SortRecord* end = run + 1;
        while (end != last && end->keyPrefix == run->keyPrefix) {
            ++end;
        }
        if (end - run > 1 && !isWholeKey(run->keyPrefix)) {
            runKeys.sort(run, end, text, collator);
        }
        run = end;
    }
}

// Runs `work` on [first, middle) here and on [middle, last) in a second thread with a
// collator of its own, when there is enough to share.
template <typename Work>
void inTwoHalves(SortRecord* first, SortRecord* middle, SortRecord* last, const Collator& collator,
                 Work work) {
    if (last - first < kShareAbove) {
        work(first, last, collator);
        return;
    }
    std::exception_ptr failed;
    std::thread helper([=, &failed] {
        try {
            const Collator own;
            work(middle, last, own);
        } catch (...) {
            failed = std::current_exception();
        }
    });
    try {
        work(first, middle, collator);
    } catch (...) {
        helper.join();
        throw;
    }
    helper.join();
    if (failed) {
        std::rethrow_exception(failed);
    }
}

}  // namespace

// Lines stand in their text in the order they arrived, so a line's offset is its place
// of arrival, and equal keys are ordered by it. Entries are sorted by the first bytes of
// their keys; only runs that share those bytes need their full keys. A large list shares
// the key work between two threads, each on its own half.
void sortLines(TextLines& lines, const Collator& collator) {
    const std::string_view text = lines.text;
    std::vector<SortRecord> records(lines.lines.size());
    for (std::size_t k = 0; k < records.size(); ++k) {
        records[k].span = lines.lines[k];
    }
    SortRecord* const first = records.data();
    SortRecord* const last = first + records.size();
    inTwoHalves(first, first + records.size() / 2, last, collator,
                [text](SortRecord* a, SortRecord* b, const Collator& c) {
                    computePrefixes(a, b, text, c);
                });
    std::sort(first, last, [](const SortRecord& a, const SortRecord& b) {
        return a.keyPrefix != b.keyPrefix ? a.keyPrefix < b.keyPrefix
                                          : a.span.offset < b.span.offset;
    });
    // The halves of the run work meet at a run boundary.
    SortRecord* middle = first + records.size() / 2;
    while (middle != last && middle != first && middle->keyPrefix == (middle - 1)->keyPrefix) {
        ++middle;
    }
    inTwoHalves(
        first, middle, last, collator,
        [text](SortRecord* a, SortRecord* b, const Collator& c) { sortRuns(a, b, text, c); });
    for (std::size_t k = 0; k < records.size(); ++k) {
        lines.lines[k] = records[k].span;
    }
}

}  // namespace base
