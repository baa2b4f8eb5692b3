#include "data/wordfile.h"

#include "data/files.h"
#include "ui/failure.h"
#include "ui/text.h"

#include <cstring>
#include <limits>

namespace data {

namespace {

constexpr const char* kLoadFailed =
    "woordenlijst.txt of bonuslist.txt niet gevonden, Toetsrace sluit nu af";
constexpr const char* kNoWordsToDraw =
    " bevat geen enkel woord. Zet er woorden in, \xE9\xE9n per regel, en probeer het opnieuw.";

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

ui::TextLines splitLines(std::string text) {
    if (text.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("woordbestand groter dan 4 GB");
    }
    ui::TextLines result;
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

ui::TextLines readTextLines(const QString& path) {
    return splitLines(readWholeFile(path));
}

void TextFile2ListBox(const QString& sFile, ui::ListItems& oList, ui::Dialogs& dialogs) {
    oList.clear();
    try {
        oList.assignLines(readTextLines(sFile));
        return;
    } catch (const FileError&) {
    } catch (const std::exception&) {
    }
    dialogs.msgBox(kLoadFailed, ui::kCritical);
    throw ui::ProgramEnd{1};
}

bool offerWords(const char* file, ui::ListItems& list, ui::Dialogs& dialogs) {
    if (list.holdsAWord()) {
        return true;
    }
    TextFile2ListBox(QString::fromLatin1(file), list, dialogs);
    if (list.holdsAWord()) {
        return true;
    }
    dialogs.msgBox(file + std::string(kNoWordsToDraw), ui::kExclamation);
    return false;
}

void dropBlankFirstEntry(ui::ListItems& list) {
    if (list.count() > 0 && list.item(0).empty()) {
        list.removeItem(0);
    }
}

void writeWordListFile(const QString& path, const ui::ListItems& list) {
    try {
        AtomicWriter writer(path);
        std::string chunk;
        constexpr std::size_t kChunk = 1 << 16;
        chunk.reserve(kChunk);
        for (int i = 0; i < list.count(); ++i) {
            const std::string_view entry = list.item(i);
            if (chunk.size() + entry.size() + 2 > kChunk) {
                writer.write(chunk);
                chunk.clear();
            }
            if (entry.size() + 2 > kChunk) {
                writer.write(entry);
                writer.write("\r\n");
                continue;
            }
            chunk.append(entry);
            chunk.append("\r\n");
        }
        chunk.append("\r\n");
        writer.write(chunk);
        writer.commit();
    } catch (const FileError& error) {
        throw ui::Failure(saveFailureMessage(path, error.what()));
    }
}

}  // namespace data
