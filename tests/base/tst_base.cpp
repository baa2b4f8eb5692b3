// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/collator.h"
#include "base/failure.h"
#include "base/linesort.h"
#include "base/text.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

// What every layer above rests on: the text encoding, the checked counters, the collator
// and the list sort.
class BaseTest : public QObject {
    Q_OBJECT
private slots:
    void everyByteSurvivesTheRoundTrip();
    void countersStopAtTheirEdges();
    void emptyAndIgnorableEntriesComeFirst();
    void theThreadedSortIsTheOneThreadSort();
};

void BaseTest::everyByteSurvivesTheRoundTrip() {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    const QString text = base::toQString(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(text.at(0x80), QChar(u'\u20AC'));  // the euro sign
    QCOMPARE(text.at(0xE9), QChar(u'\u00E9'));
    QCOMPARE(base::fromQString(text), std::optional<std::string>(all));
    QCOMPARE(base::toBytesLossy(text), all);
    // A character Windows-1252 lacks has no bytes; the lossy way shows '?'.
    QCOMPARE(base::fromQString(QStringLiteral("\u0141")), std::nullopt);
    QCOMPARE(base::toBytesLossy(QStringLiteral("a\u0141")), std::string("a?"));
}

void BaseTest::countersStopAtTheirEdges() {
    constexpr auto top = std::numeric_limits<std::int32_t>::max();
    constexpr auto bottom = std::numeric_limits<std::int16_t>::min();
    QCOMPARE(base::checkedAdd<std::int32_t>(top - 1, 1, "x"), top);
    QVERIFY_THROWS_EXCEPTION(base::OverflowFailure, base::checkedAdd<std::int32_t>(top, 1, "x"));
    QCOMPARE(base::checkedSub<std::int16_t>(bottom + 1, 1, "x"), bottom);
    QVERIFY_THROWS_EXCEPTION(base::OverflowFailure,
                             base::checkedSub<std::int16_t>(bottom, 1, "x"));
    // Halves go to the even neighbour, also at the edge.
    QCOMPARE(base::roundChecked<std::int16_t>(2.5, "x"), 2);
    QCOMPARE(base::roundChecked<std::int16_t>(-3.5, "x"), -4);
    QCOMPARE(base::roundChecked<std::int16_t>(32766.5, "x"), 32766);
    QVERIFY_THROWS_EXCEPTION(base::OverflowFailure,
                             base::roundChecked<std::int16_t>(32767.5, "x"));
    QVERIFY_THROWS_EXCEPTION(base::OverflowFailure,
                             base::roundChecked<std::int32_t>(std::nan(""), "x"));
    QCOMPARE((base::checkedNarrow<std::int16_t, std::int32_t>(-32768, "x")), -32768);
    QVERIFY_THROWS_EXCEPTION(base::OverflowFailure,
                             (base::checkedNarrow<std::int16_t, std::int32_t>(40000, "x")));
}

void BaseTest::emptyAndIgnorableEntriesComeFirst() {
    const base::Collator collator;
    // The soft hyphen (0xAD) is ignorable: it sorts as nothing, yet after the empty text.
    const std::string empty;
    const std::string ignorable = "\xAD";
    QVERIFY(collator.compare(empty, ignorable) < 0);
    QVERIFY(collator.compare(ignorable, empty) > 0);
    QVERIFY(collator.compare(ignorable, "a") < 0);
    QCOMPARE(collator.compare("aa\xAD", "aa"), 0);
    QCOMPARE(collator.compare("Appel", "appel"), 0);  // case does not count
    QVERIFY(collator.compare("\xE9" "a", "eb") < 0);   // an accent stands beside its letter
    for (const auto& [a, b] : {std::pair<std::string, std::string>{empty, ignorable},
                               {ignorable, "a"},
                               {"appel", "Appel"},
                               {"\xE9" "a", "eb"}}) {
        const int byKeys = collator.sortKey(a).compare(collator.sortKey(b));
        const int direct = collator.compare(a, b);
        QCOMPARE(byKeys < 0, direct < 0);
        QCOMPARE(byKeys == 0, direct == 0);
    }
}

void BaseTest::theThreadedSortIsTheOneThreadSort() {
    // Enough entries for two threads, many equal but for case: a stable sort keeps those in
    // their order of arrival.
    std::mt19937 random(7);
    base::TextLines lines;
    for (int i = 0; i < 60'000; ++i) {
        std::string word;
        for (int letter = 0, length = 1 + static_cast<int>(random() % 4); letter < length;
             ++letter) {
            const char c = static_cast<char>('a' + random() % 3);
            word += random() % 2 ? c : static_cast<char>(c - 'a' + 'A');
        }
        lines.lines.push_back({static_cast<std::uint32_t>(lines.text.size()),
                               static_cast<std::uint32_t>(word.size())});
        lines.text += word;
    }
    const base::Collator collator;
    std::vector<base::TextLines::Span> alone = lines.lines;
    const auto entry = [&](const base::TextLines::Span& span) {
        return std::string_view(lines.text).substr(span.offset, span.length);
    };
    std::stable_sort(alone.begin(), alone.end(), [&](const auto& a, const auto& b) {
        return collator.compare(entry(a), entry(b)) < 0;
    });
    base::sortLines(lines, collator);
    QCOMPARE(lines.lines.size(), alone.size());
    for (std::size_t i = 0; i < alone.size(); ++i) {
        if (lines.lines[i].offset != alone[i].offset) {
            QFAIL(qPrintable(QStringLiteral("entry %1 differs").arg(i)));
        }
    }
}

QTEST_MAIN(BaseTest)
#include "tst_base.moc"
