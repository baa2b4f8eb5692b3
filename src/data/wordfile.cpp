// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/wordfile.h"

#include "data/filelock.h"
#include "data/files.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>

#include <unistd.h>

namespace data {

namespace {

std::size_t countCarriageReturns(const std::string& text) {
    std::size_t count = 0;
    const char* p = text.data();
    const char* end = p + text.size();
    while ((p = static_cast<const char*>(std::memchr(p, '\r', end - p))) != nullptr) {
        ++count;
        ++p;
    }
    return count;
}

}  // namespace

base::TextLines splitLines(std::string text) {
    if (text.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("woordbestand groter dan 4 GB");
    }
    base::TextLines result;
    result.lines.reserve(countCarriageReturns(text) + 1);
    const char* base = text.data();
    const std::size_t size = text.size();
    std::size_t pos = 0;
    while (pos < size) {
        const void* cr = std::memchr(base + pos, '\r', size - pos);
        const std::size_t end = cr ? static_cast<const char*>(cr) - base : size;
        result.lines.push_back(
            {static_cast<std::uint32_t>(pos), static_cast<std::uint32_t>(end - pos)});
        pos = end + 1;
        if (cr && pos < size && base[pos] == '\n') {
            ++pos;
        }
    }
    result.text = std::move(text);
    return result;
}

std::size_t largestWordFile() {
    // A list costs about three times its file while it is sorted; a file that would not
    // fit is refused from its size rather than read until the system runs out of memory.
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    const std::size_t physical = pages > 0 && pageSize > 0 ? static_cast<std::size_t>(pages) *
                                                                 static_cast<std::size_t>(pageSize)
                                                           : kNoSizeLimit;
    return std::min<std::size_t>(physical / 3, std::numeric_limits<std::uint32_t>::max());
}

base::TextLines readTextLines(const QString& path) {
    return splitLines(readWholeFile(path, largestWordFile()));
}

void loadWordFile(const QString& path, base::ListItems& list) {
    list.clear();
    list.assignLines(readTextLines(path));
}

void dropBlankFirstEntry(base::ListItems& list) {
    if (list.count() > 0 && list.item(0).empty()) {
        list.removeItem(0);
    }
}

namespace {

// The file's bytes for a list, handed out in chunks: every entry followed by CR LF, then one
// more CR LF. Stops early when `take` says so.
void wordListChunks(const base::ListItems& list,
                    const std::function<bool(std::string_view)>& take) {
    std::string chunk;
    constexpr std::size_t kChunk = 1 << 16;
    chunk.reserve(kChunk);
    for (int i = 0; i < list.count(); ++i) {
        const std::string_view entry = list.item(i);
        if (chunk.size() + entry.size() + 2 > kChunk) {
            if (!take(chunk)) {
                return;
            }
            chunk.clear();
        }
        if (entry.size() + 2 > kChunk) {
            if (!take(entry) || !take("\r\n")) {
                return;
            }
            continue;
        }
        chunk.append(entry);
        chunk.append("\r\n");
    }
    chunk.append("\r\n");
    take(chunk);
}

bool holdsAlready(const QString& path, const base::ListItems& list) {
    if (fileKind(path) != FileKind::Regular) {
        return false;
    }
    const std::optional<std::string> stored = readWholeFileIfAny(path, largestWordFile());
    if (!stored) {
        return false;
    }
    std::string_view rest = *stored;
    bool same = true;
    wordListChunks(list, [&](std::string_view chunk) {
        same = rest.starts_with(chunk);
        rest.remove_prefix(same ? chunk.size() : 0);
        return same;
    });
    return same && rest.empty();
}

}  // namespace

bool writeWordListFile(const QString& path, const base::ListItems& list, const LockTimes& times) {
    // Players who share a folder each start the game there: a file that holds these very
    // bytes is left as it is, whoever owns it.
    if (holdsAlready(path, list)) {
        // A start killed between writing the list and letting go of its lock left the lock.
        clearLockOfEndedHolder(path);
        return false;
    }
    withLock(path, times, [&](FileLock& lock) {
        return replaceWhileHolding(lock, path, [&](AtomicWriter& writer) {
            wordListChunks(list, [&](std::string_view chunk) {
                writer.write(chunk);
                return true;
            });
        });
    });
    return true;
}

}  // namespace data
