// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/failure.h"
#include "data/cipher.h"

#include <QtTest>

using data::DecryptString;
using data::EncryptString;
using data::NumCharsInString;

class CipherTest : public QObject {
    Q_OBJECT
private slots:
    void roundTripKeepsEveryCodeAndTheLength();
    void keyIsUsedInUpperCase();
    void keyStartsAtItsSecondCharacterAndWraps();
    void sumsAndDifferencesWrapModulo256();
    void emptyKeyOrEmptyTextChangeNothing();
    void textsFromTheLimitOnAreAnOverflow();
    void countsOccurrences_data();
    void countsOccurrences();
};

namespace {

std::string allCodes(std::size_t length) {
    std::string text(length, '\0');
    for (std::size_t i = 0; i < length; ++i) {
        text[i] = static_cast<char>((i * 7 + i / 256) % 256);
    }
    return text;
}

}  // namespace

void CipherTest::roundTripKeepsEveryCodeAndTheLength() {
    const std::string text = allCodes(256 * 3);
    for (const std::string key : {"zwavel", "k", "\xFF\x01", "a much longer key than usual"}) {
        const std::string enciphered = EncryptString(text, key);
        QCOMPARE(enciphered.size(), text.size());
        QVERIFY(enciphered != text);
        QVERIFY(DecryptString(enciphered, key) == text);
        QVERIFY(EncryptString(DecryptString(text, key), key) == text);
    }
}

void CipherTest::keyIsUsedInUpperCase() {
    const std::string text = allCodes(100);
    QVERIFY(EncryptString(text, "zwavel") == EncryptString(text, "ZWAVEL"));
    QVERIFY(EncryptString(text, "ZwAvEl") == EncryptString(text, "zWaVeL"));
    // Windows-1252 letters beyond ASCII have their capitals too.
    QVERIFY(EncryptString(text, "\xE9\xFF") == EncryptString(text, "\xC9\x9F"));
    QVERIFY(EncryptString(text, "zwavel") != EncryptString(text, "zwavek"));
}

void CipherTest::keyStartsAtItsSecondCharacterAndWraps() {
    // Zero bytes show the key positions used: W A V E L Z, then W again.
    QCOMPARE(EncryptString(std::string(8, '\0'), "zwavel"), std::string("WAVELZWA"));
    QCOMPARE(EncryptString(std::string(1, '\0'), "zwavel"), std::string("W"));
    QCOMPARE(EncryptString(std::string(3, '\0'), "q"), std::string("QQQ"));
}

void CipherTest::sumsAndDifferencesWrapModulo256() {
    // 255 + 'W' (87) = 342, less 256 = 86.
    QCOMPARE(EncryptString("\xFF", "zwavel"), std::string("\x56"));
    // 1 - 'W' = -86, plus 256 = 170.
    QCOMPARE(DecryptString("\x01", "zwavel"), std::string("\xAA"));
    const std::string edges("\xFF\x00\x80", 3);
    QCOMPARE(DecryptString(EncryptString(edges, "zwavel"), "zwavel"), edges);
}

void CipherTest::emptyKeyOrEmptyTextChangeNothing() {
    const std::string longText = allCodes(40000);
    QVERIFY(EncryptString(longText, "") == longText);
    QVERIFY(DecryptString(longText, "") == longText);
    QCOMPARE(EncryptString("", "zwavel"), std::string());
    QCOMPARE(DecryptString("", "k"), std::string());
}

void CipherTest::textsFromTheLimitOnAreAnOverflow() {
    const std::string longest = allCodes(32766);
    QVERIFY(DecryptString(EncryptString(longest, "zwavel"), "zwavel") == longest);
    const std::string tooLong = allCodes(32767);
    QVERIFY_THROWS_EXCEPTION(base::OverflowFailure, EncryptString(tooLong, "zwavel"));
    QVERIFY_THROWS_EXCEPTION(base::OverflowFailure, DecryptString(tooLong, "zwavel"));
}

void CipherTest::countsOccurrences_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("needle");
    QTest::addColumn<int>("count");
    QTest::newRow("overlapping") << QByteArray("aaa") << QByteArray("aa") << 2;
    QTest::newRow("one character") << QByteArray("banaan") << QByteArray("a") << 3;
    QTest::newRow("case counts") << QByteArray("Aa") << QByteArray("a") << 1;
    QTest::newRow("empty text") << QByteArray() << QByteArray("x") << 0;
    QTest::newRow("needle longer") << QByteArray("ab") << QByteArray("abc") << 0;
    QTest::newRow("empty needle") << QByteArray("abc") << QByteArray() << 3;
    QTest::newRow("both empty") << QByteArray() << QByteArray() << 0;
    QTest::newRow("no line end") << QByteArray("kat hond") << QByteArray("\r\n") << 0;
    QTest::newRow("three lines") << QByteArray("a\r\nb\r\nc\r\n") << QByteArray("\r\n") << 3;
    QTest::newRow("lone CR and LF") << QByteArray("a\rb\nc\n\r") << QByteArray("\r\n") << 0;
    QTest::newRow("at the very end") << QByteArray("xyz") << QByteArray("yz") << 1;
}

void CipherTest::countsOccurrences() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, needle);
    QFETCH(int, count);
    QCOMPARE(NumCharsInString(std::string_view(text.constData(), text.size()),
                              std::string_view(needle.constData(), needle.size())),
             count);
}

QTEST_GUILESS_MAIN(CipherTest)
#include "tst_cipher.moc"
