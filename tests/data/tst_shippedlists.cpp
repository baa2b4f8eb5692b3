// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/form1.h"
#include "sandbox.h"

#include <QtTest>

#include <string>

using testing::Sandbox;

// The word lists the game ships, in share/, as a player's first start meets them.
class ShippedListsTest : public QObject {
    Q_OBJECT
private slots:
    void startUpLeavesTheShippedListsAsTheyAre();
};

namespace {

std::string shipped(const char* name) {
    QFile file(QDir(QStringLiteral(TOETSRACE_SHARE_DIR)).filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read the shipped %s", name);
    }
    const QByteArray bytes = file.readAll();
    return bytes.toStdString();
}

}  // namespace

// Start-up sorts the word list and writes it back; the shipped list must already be those
// bytes, or the first start rewrites it and "Aantal woorden" differs from every later one.
void ShippedListsTest::startUpLeavesTheShippedListsAsTheyAre() {
    const std::string words = shipped("woordenlijst.txt");
    const std::string bonus = shipped("bonuslijst.txt");
    // The lines the game reads, each ended by CR LF, and how many of them hold a word.
    int lines = 0;
    int wordLines = 0;
    for (std::size_t begin = 0, end; (end = words.find("\r\n", begin)) != std::string::npos;
         begin = end + 2) {
        ++lines;
        wordLines += end > begin ? 1 : 0;
    }
    QVERIFY(wordLines > 0);

    Sandbox sandbox;
    sandbox.prepareGame({});
    sandbox.writeFile(sandbox.inWork("woordenlijst.txt"), words);
    sandbox.writeFile(sandbox.inWork("bonuslijst.txt"), bonus);
    for (int start = 1; start <= 2; ++start) {
        Form1 form(sandbox.context);
        QVERIFY(!sandbox.load(form));
        QCOMPARE(form.aantalw.caption(), std::to_string(lines));
        QCOMPARE(form.woordenlijst.items().count(), wordLines);
        QVERIFY2(sandbox.readFile(sandbox.inWork("woordenlijst.txt")) == words,
                 "start-up wrote the shipped word list in other bytes");
        QVERIFY(sandbox.readFile(sandbox.inWork("bonuslijst.txt")) == bonus);
    }
}

QTEST_MAIN(ShippedListsTest)
#include "tst_shippedlists.moc"
