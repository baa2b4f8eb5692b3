// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/listmodel.h"

#include <QtTest>

#include <random>

using ui::ListModel;

class ListModelTest : public QObject {
    Q_OBJECT
private slots:
    void sortedListsIgnoreCaseUnsortedKeepArrival();
    void equalEntriesKeepTheirArrivalOrder();
    void accentedLettersStandBesideTheirBase();
    void highscoresSortByTheirText();
    void bulkLoadGivesTheOrderOfOneByOneInsertion();
    void removeAndClear();
    void emptyEntryComesBeforeEntriesTheCollationIgnores();
};

namespace {

std::vector<std::string> entries(const ListModel& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.count(); ++i) {
        out.emplace_back(list.item(i));
    }
    return out;
}

base::TextLines linesOf(const std::vector<std::string>& words) {
    base::TextLines lines;
    for (const std::string& w : words) {
        lines.lines.push_back(
            {static_cast<std::uint32_t>(lines.text.size()), static_cast<std::uint32_t>(w.size())});
        lines.text += w + "\r\n";
    }
    return lines;
}

using Words = std::vector<std::string>;

}  // namespace

void ListModelTest::sortedListsIgnoreCaseUnsortedKeepArrival() {
    ListModel sorted(true);
    ListModel unsorted(false);
    for (const char* w : {"b", "A", "c"}) {
        sorted.addItem(w);
        unsorted.addItem(w);
    }
    QCOMPARE(entries(sorted), (Words{"A", "b", "c"}));
    QCOMPARE(entries(unsorted), (Words{"b", "A", "c"}));
    QCOMPARE(sorted.addItem("B"), 2);  // after the equal "b"
    QCOMPARE(unsorted.addItem("B"), 3);
}

void ListModelTest::equalEntriesKeepTheirArrivalOrder() {
    ListModel oneByOne(true);
    for (const char* w : {"kat", "KAT", "aap", "Kat"}) {
        oneByOne.addItem(w);
    }
    QCOMPARE(entries(oneByOne), (Words{"aap", "kat", "KAT", "Kat"}));
    ListModel bulk(true);
    bulk.assignLines(linesOf({"kat", "KAT", "aap", "Kat"}));
    QCOMPARE(entries(bulk), (Words{"aap", "kat", "KAT", "Kat"}));
}

void ListModelTest::accentedLettersStandBesideTheirBase() {
    ListModel list(true);
    for (const char* w :
         {"ezel", "fiets", "\xE9\xE9n", "eend", "\xC9mile", "zee", "\xEFglo", "ijs"}) {
        list.addItem(w);
    }
    // één sorts as een (before eend), Émile among the e's, ïglo among the i's.
    QCOMPARE(entries(list),
             (Words{"\xE9\xE9n", "eend", "\xC9mile", "ezel", "fiets", "\xEFglo", "ijs", "zee"}));
}

void ListModelTest::highscoresSortByTheirText() {
    ListModel list(true);
    for (const char* e : {"9500, Jan", "12000, Piet", "1000, Els", "100, Kees"}) {
        list.addItem(e);
    }
    QCOMPARE(entries(list), (Words{"100, Kees", "1000, Els", "12000, Piet", "9500, Jan"}));
}

void ListModelTest::bulkLoadGivesTheOrderOfOneByOneInsertion() {
    // Many entries sharing long beginnings, case variants, accents, punctuation, empty
    // entries and bytes of every kind, so that the bulk sort's tie handling is exercised.
    std::mt19937 rng(20261207);
    const Words stems = {"aanbieding",
                         "aanbiedingen",
                         "Aanbieding",
                         "AANBIEDINGSFOLDER",
                         "verantwoordelijkheid",
                         "verantwoordelijk",
                         "\xE9\xE9n",
                         "een",
                         "",
                         "x-ray",
                         "x ray",
                         "xray",
                         "12000, Piet",
                         "9500, Jan"};
    Words words;
    // Enough entries for the bulk sort to share its work between two threads.
    for (int i = 0; i < 30000; ++i) {
        std::string w = stems[rng() % stems.size()];
        const int extra = static_cast<int>(rng() % 4);
        for (int k = 0; k < extra; ++k) {
            w.push_back(static_cast<char>(rng() % 3 == 0 ? 0x80 + rng() % 128 : 'a' + rng() % 26));
        }
        words.push_back(w);
    }
    ListModel oneByOne(true);
    for (const std::string& w : words) {
        oneByOne.addItem(w);
    }
    ListModel bulk(true);
    bulk.assignLines(linesOf(words));
    QVERIFY(entries(bulk) == entries(oneByOne));

    ListModel unsorted(false);
    unsorted.assignLines(linesOf(words));
    QVERIFY(entries(unsorted) == words);
}

void ListModelTest::removeAndClear() {
    ListModel list(true);
    list.assignLines(linesOf({"c", "a", "b"}));
    list.removeItem(1);
    QCOMPARE(entries(list), (Words{"a", "c"}));
    list.removeItem(5);  // no such entry: nothing happens
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.item(2), std::string_view());
    QCOMPARE(list.rowCount(), 2);
    QCOMPARE(list.data(list.index(1), Qt::DisplayRole).toString(), QStringLiteral("c"));
    list.clear();
    QCOMPARE(list.count(), 0);
    QCOMPARE(list.addItem("z"), 0);
}

void ListModelTest::emptyEntryComesBeforeEntriesTheCollationIgnores() {
    // NUL, Ctrl-Z, DEL and the soft hyphen weigh nothing in ICU's collation.
    const Words ignored = {std::string(1, '\0'), "\x1A", "\x7F", "\xAD", "\x1A\xAD"};
    Words words = ignored;
    words.insert(words.begin() + 2, "");
    words.push_back("kat");
    ListModel oneByOne(true);
    for (const std::string& w : words) {
        oneByOne.addItem(w);
    }
    ListModel bulk(true);
    bulk.assignLines(linesOf(words));
    Words expected = {""};
    expected.insert(expected.end(), ignored.begin(), ignored.end());
    expected.push_back("kat");
    QVERIFY(entries(oneByOne) == expected);
    QVERIFY(entries(bulk) == expected);
}

QTEST_GUILESS_MAIN(ListModelTest)
#include "tst_listmodel.moc"
