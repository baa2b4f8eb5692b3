// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/application.h"
#include "base/text.h"
#include "sandbox.h"
#include "ui/controls.h"

#include <QMenu>
#include <QtTest>

#include <memory>

using testing::Sandbox;

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void everyByteHasACharacterAndBack();
    void charactersWithoutACodeAreRefused();
    void textBoxRunsItsHandlerOnRealChangesOnly();
    void textBoxHandlerRunsNestedWhenItClearsTheBox();
    void typingRunsTheHandlerPerKeystroke();
    void maximumLengthLimitsTypingOnly();
    void textComparisonIsExact();
    void multiLineBoxHoldsCrLf();
    void labelKeepsItsLeftInTwips();
    void captionsWrapAtWordBoundaries();
    void timersStartStoppedAndStartFresh();
    void switchingOnARunningTimerStartsAFreshInterval();
    void qtsOwnTextsAreDutch();
};

void ControlsTest::everyByteHasACharacterAndBack() {
    std::string all;
    for (int code = 0; code < 256; ++code) {
        all.push_back(static_cast<char>(code));
    }
    const QString text = base::toQString(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(text.at(0x80), QChar(0x20AC));  // the euro sign
    QCOMPARE(text.at(0xE9), QChar(0xE9));
    const auto back = base::fromQString(text);
    QVERIFY(back.has_value());
    QVERIFY(*back == all);
}

void ControlsTest::charactersWithoutACodeAreRefused() {
    QVERIFY(!base::fromQString(QString::fromUtf8("CO\u2082")).has_value());
    QVERIFY(!base::fromQString(QString::fromUtf8("\u0142\u00f3d\u017a")).has_value());
    QCOMPARE(base::toBytesLossy(QString::fromUtf8("CO\u2082")), std::string("CO?"));
    QCOMPARE(base::toDisplayLines("a\r\nb\rc"), QStringLiteral("a\nb\nc"));
}

void ControlsTest::textBoxRunsItsHandlerOnRealChangesOnly() {
    Sandbox sandbox;
    QWidget window;
    ui::TextBox box(&window, "box");
    std::vector<std::string> seen;
    box.onChange(sandbox.context, [&] { seen.push_back(box.text()); });
    box.setText("kat");
    box.setText("kat");
    box.setText("");
    box.setText("");
    QCOMPARE(seen, (std::vector<std::string>{"kat", ""}));
}

void ControlsTest::textBoxHandlerRunsNestedWhenItClearsTheBox() {
    Sandbox sandbox;
    QWidget window;
    ui::TextBox box(&window, "box");
    std::vector<std::string> trace;
    box.onChange(sandbox.context, [&] {
        const std::string now = box.text();
        trace.push_back("enter " + now);
        if (now == "/p") {
            box.setText("");
            trace.push_back("after clear, box holds '" + box.text() + "'");
        }
        trace.push_back("leave " + now);
    });
    box.setText("/p");
    QCOMPARE(trace, (std::vector<std::string>{"enter /p", "enter ", "leave ",
                                              "after clear, box holds ''", "leave /p"}));
}

void ControlsTest::typingRunsTheHandlerPerKeystroke() {
    Sandbox sandbox;
    QWidget window;
    ui::TextBox box(&window, "box");
    std::vector<std::string> seen;
    box.onChange(sandbox.context, [&] { seen.push_back(box.text()); });
    window.show();
    box.setFocus();
    QTest::keyClicks(&box, "kat");
    QTest::keyClick(&box, Qt::Key_Backspace);
    QCOMPARE(seen, (std::vector<std::string>{"k", "ka", "kat", "ka"}));
}

void ControlsTest::maximumLengthLimitsTypingOnly() {
    Sandbox sandbox;
    QWidget window;
    ui::TextBox box(&window, "box");
    window.show();
    box.setFocus();
    box.setText("lang woord");
    box.setMaxLength(2);
    QCOMPARE(box.text(), std::string("lang woord"));  // kept, not cut
    box.setText("");
    QTest::keyClicks(&box, "/speed");
    QCOMPARE(box.text(), std::string("/s"));
    box.setMaxLength(0);
    QTest::keyClicks(&box, "peed");
    QCOMPARE(box.text(), std::string("/speed"));
}

void ControlsTest::textComparisonIsExact() {
    QWidget window;
    ui::TextBox box(&window, "box");
    box.QLineEdit::setText(QString::fromUtf8("caf\u00e9"));
    QVERIFY(box.textIs("caf\xE9"));
    QVERIFY(!box.textIs("Caf\xE9"));
    QVERIFY(!box.textIs("caf\xE9 "));
    // A character Windows-1252 lacks matches nothing, not even the '?' it shows as.
    box.QLineEdit::setText(QString::fromUtf8("caf\u0119"));
    QVERIFY(!box.textIs("caf?"));
    QCOMPARE(box.text(), std::string("caf?"));
}

void ControlsTest::multiLineBoxHoldsCrLf() {
    Sandbox sandbox;
    QWidget window;
    ui::MultiLineTextBox box(&window, "box");
    int changes = 0;
    box.onChange(sandbox.context, [&] { ++changes; });
    window.show();
    box.setFocus();
    QTest::keyClicks(&box, "kat");
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(box.text(), std::string("kat\r\n"));
    QVERIFY(box.textIs("kat\r\n"));
    QCOMPARE(changes, 4);
    box.setText("kat\r\n");
    QCOMPARE(changes, 4);
    box.setText("");
    QCOMPARE(changes, 5);
    QCOMPARE(box.toPlainText(), QString());
}

void ControlsTest::labelKeepsItsLeftInTwips() {
    QWidget window;
    ui::Label label(&window, "label");
    label.setup({11000, 2040, 8000, 615}, "kat");
    QCOMPARE(label.left(), 11000);
    QCOMPARE(label.x(), 733);  // 733.33 pixels
    label.setLeft(10990);      // 732.67: the nearest pixel is 733
    QCOMPARE(label.left(), 10990);
    QCOMPARE(label.x(), 733);
    label.setLeft(10980);
    QCOMPARE(label.x(), 732);
    label.setLeft(120);
    QCOMPARE(label.x(), 8);
}

void ControlsTest::captionsWrapAtWordBoundaries() {
    QFont font = ui::toQFont(ui::kWindowFont);
    const QFontMetrics metrics(font);
    const ui::TextLayout two = ui::layoutText(metrics, "Zie Of Verberg Highscore", 75);
    QCOMPARE(two.lines, (QStringList{"Zie Of Verberg", "Highscore"}));
    const ui::TextLayout broken = ui::layoutText(metrics, "Snel! \nZIEKELIJK", 500);
    QCOMPARE(broken.lines, (QStringList{"Snel!", "ZIEKELIJK"}));
    const ui::TextLayout whole = ui::layoutText(metrics, "verantwoordelijkheid", 10);
    QCOMPARE(whole.lines, QStringList{"verantwoordelijkheid"});
    // The access-key mark takes no room.
    QCOMPARE(ui::lineWidth(metrics, "&Help", true), metrics.horizontalAdvance("Help"));
}

void ControlsTest::timersStartStoppedAndStartFresh() {
    QObject owner;
    ui::Timer timer(&owner, "timer");
    timer.setInterval(500);
    QVERIFY(!timer.enabled());
    timer.setEnabled(true);
    QVERIFY(timer.enabled());
    timer.setEnabled(true);
    QVERIFY(timer.enabled());
    timer.setEnabled(false);
    QVERIFY(!timer.enabled());
    QCOMPARE(timer.interval(), 500);
}

void ControlsTest::switchingOnARunningTimerStartsAFreshInterval() {
    QObject owner;
    ui::Timer timer(&owner, "timer");
    timer.setInterval(500);
    timer.setEnabled(true);
    // No events run while this thread sleeps: the timer cannot fire meanwhile.
    QThread::msleep(150);
    QVERIFY(timer.remainingTime() <= 350);
    timer.setEnabled(true);
    QVERIFY2(timer.remainingTime() > 400, qPrintable(QString::number(timer.remainingTime())));
}

void ControlsTest::qtsOwnTextsAreDutch() {
    QVERIFY(app::loadDutchQtTexts());
    Sandbox sandbox;
    ui::TextBox box(nullptr, "box");
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            texts << action->text().section(QLatin1Char('\t'), 0, 0);
        }
    }
    QCOMPARE(texts, (QStringList{"&Ongedaan maken", "Opnie&uw", "Kni&ppen",
                                 QString::fromUtf8("&Kopi\u00EBren"), "P&lakken", "Verwijderen",
                                 "Alles selecteren"}));
}

QTEST_MAIN(ControlsTest)
#include "tst_controls.moc"
