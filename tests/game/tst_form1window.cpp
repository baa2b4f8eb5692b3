// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/form1.h"
#include "game/form1_texts.h"
#include "sandbox.h"

#include <QtTest>

using testing::Sandbox;

class Form1WindowTest : public QObject {
    Q_OBJECT
private slots:
    void controlsStandWhereTheWindowPutsThem_data();
    void controlsStandWhereTheWindowPutsThem();
    void windowIsFixedWithOnlyACloseBox();
    void initialStateBeforeAnyLevel();
    void fontsAndColours();
    void everyFixedTextFitsItsBox();
    void tabSkipsDisabledAndHiddenControls();
    void listsSortAsTheyShould();
    void iconIsCompiledIn();
};

void Form1WindowTest::controlsStandWhereTheWindowPutsThem_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    const struct {
        const char* name;
        QRect twips;
    } rows[] = {
        {"Label2", {0, 0, 615, 255}},           {"scorelbl", {540, 0, 1095, 255}},
        {"cheaterlbl", {1560, 0, 735, 255}},    {"Label3", {2280, 0, 2295, 255}},
        {"scoreover", {4560, 0, 1335, 255}},    {"Label4", {6000, 0, 495, 255}},
        {"lvllbl", {6480, 0, 975, 255}},        {"Label5", {7440, 0, 1215, 255}},
        {"aantalw", {8640, 0, 1095, 255}},      {"Label6", {6000, 300, 315, 195}},
        {"xplbl", {6480, 300, 495, 195}},       {"Label7", {7440, 300, 735, 195}},
        {"speedlbl", {8280, 300, 495, 255}},    {"snel", {11000, 2040, 8000, 615}},
        {"goedlbl", {600, 720, 6735, 2955}},    {"gameover", {1260, 660, 5175, 3135}},
        {"invoer", {3240, 4920, 4215, 435}},    {"Label1", {4080, 5520, 2715, 255}},
        {"Command1", {3240, 4080, 1095, 615}},  {"losecmd", {4800, 4080, 1095, 615}},
        {"rstgame", {6360, 4080, 1095, 615}},   {"Command3", {2640, 5460, 1215, 495}},
        {"Command2", {6900, 5460, 1215, 495}},  {"Command4", {4740, 5760, 1215, 255}},
        {"Command5", {540, 5280, 1455, 615}},   {"woordenlijst", {8280, 600, 1935, 5325}},
        {"bonuslist", {5520, 600, 1935, 5325}}, {"hiscorelist", {420, 600, 7695, 2940}},
        {"loadhi", {60, 4140, 855, 615}},
    };
    for (const auto& row : rows) {
        QTest::newRow(row.name) << QString::fromLatin1(row.name) << row.twips;
    }
}

void Form1WindowTest::controlsStandWhereTheWindowPutsThem() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    Sandbox sandbox;
    Form1 form(sandbox.context);
    auto* control = form.findChild<QWidget*>(name);
    QVERIFY(control);
    // Whole pixels, each the nearest to its twips (snel's 8000 twips are 533.3 pixels).
    // A transparent label's widget spans only its text; its box is where the window put it.
    const auto* label = qobject_cast<ui::Label*>(control);
    const QRect pixels = label ? ui::toPixels(label->box()) : control->geometry();
    if (label) {
        QCOMPARE(control->pos(), pixels.topLeft());
        QVERIFY(control->width() <= pixels.width());
        QVERIFY(control->width() >= label->textLayout().width);
    }
    QVERIFY(std::abs(pixels.x() * 15 - twips.x()) <= 7);
    QVERIFY(std::abs(pixels.y() * 15 - twips.y()) <= 7);
    QVERIFY(std::abs(pixels.width() * 15 - twips.width()) <= 15);
    QVERIFY(std::abs(pixels.height() * 15 - twips.height()) <= 7);
}

void Form1WindowTest::windowIsFixedWithOnlyACloseBox() {
    Sandbox sandbox;
    Form1 form(sandbox.context);
    QCOMPARE(form.minimumSize(), QSize(716, 404));
    QCOMPARE(form.maximumSize(), QSize(716, 404));
    QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(form.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(form.windowTitle(), QStringLiteral("Title Not Loaded"));
    QCOMPARE(form.objectName(), QStringLiteral("Form1"));
    // The finish line: red, 4 pixels wide, the full height, centred on X1 = 120 twips.
    QCOMPARE(form.Line1.x1(), 120);
    QCOMPARE(form.Line1.geometry(), QRect(6, -2, 4, 408));
}

void Form1WindowTest::initialStateBeforeAnyLevel() {
    Sandbox sandbox;
    Form1 form(sandbox.context);
    form.show();
    const struct {
        QWidget* control;
        bool visible;
        bool enabled;
    } states[] = {
        {&form.invoer, true, true},        {&form.Command1, true, true},
        {&form.losecmd, true, false},      {&form.rstgame, true, false},
        {&form.Command2, true, true},      {&form.Command3, true, true},
        {&form.Command4, true, true},      {&form.Command5, true, true},
        {&form.woordenlijst, false, true}, {&form.bonuslist, false, true},
        {&form.hiscorelist, false, true},  {&form.loadhi, false, true},
        {&form.cheaterlbl, false, true},   {&form.goedlbl, false, true},
        {&form.gameover, false, true},     {&form.snel, true, true},
        {&form.Line1, true, true},
    };
    for (const auto& s : states) {
        QVERIFY2(s.control->isVisible() == s.visible, qPrintable(s.control->objectName()));
        QVERIFY2(s.control->isEnabled() == s.enabled, qPrintable(s.control->objectName()));
    }
    QCOMPARE(form.Command1.caption(), std::string("Start Level 1"));
    QCOMPARE(form.losecmd.caption(), std::string("Nog 5 Levens"));
    QCOMPARE(form.snel.caption(), std::string("test"));
    // The word lies right of the client area: nothing of it shows before a level starts.
    QVERIFY(form.snel.x() >= form.width());
    QCOMPARE(form.hiscorelist.toolTip(), QStringLiteral("Dubbelklik om te verwijderen"));
    QCOMPARE(form.invoer.maxLength(), 0);
    QCOMPARE(form.Timer1.interval(), 16);
    QCOMPARE(form.goedtimer.interval(), 500);
    QCOMPARE(form.goknipper.interval(), 500);
}

void Form1WindowTest::fontsAndColours() {
    Sandbox sandbox;
    Form1 form(sandbox.context);
    const struct {
        QWidget* control;
        const char* family;
        double points;
        bool bold;
    } fonts[] = {
        {&form.Label3, "FreeSans", 8, false},        {&form.Command1, "FreeSans", 8, false},
        {&form.snel, "FreeSans", 18, true},          {&form.goedlbl, "FreeSans", 72, true},
        {&form.gameover, "FreeSans", 72, true},      {&form.invoer, "FreeSerif", 18, true},
        {&form.hiscorelist, "FreeSans", 13.5, true},
    };
    for (const auto& f : fonts) {
        const QFontInfo info(f.control->font());
        QVERIFY2(info.family() == QLatin1String(f.family), qPrintable(info.family()));
        QCOMPARE(f.control->font().pointSizeF(), f.points);
        QCOMPARE(f.control->font().bold(), f.bold);
    }
    QCOMPARE(form.goedlbl.foreColour(), ui::Colour::rgb(0, 192, 0));
    QCOMPARE(form.gameover.foreColour(), ui::Colour::rgb(255, 0, 0));
    QCOMPARE(form.snel.foreColour(), ui::kBlack);
    QVERIFY(form.snel.transparent());
    QVERIFY(!form.Label2.transparent());
    QCOMPARE(form.Label2.backColour(), ui::kButtonFace);
    QCOMPARE(form.backColour(), ui::kButtonFace);
}

void Form1WindowTest::everyFixedTextFitsItsBox() {
    Sandbox sandbox;
    Form1 form(sandbox.context);
    QCOMPARE(testing::unfittedTexts(form), QStringList());
    // Two lines where the button is too narrow for one.
    QCOMPARE(form.Command2.textLayout().lines, (QStringList{"Zie Of Verberg", "Highscore"}));
    QCOMPARE(form.gameover.textLayout().lines, (QStringList{"Game", "Over"}));
    // Every praise with the most points it is given for, and the other short messages.
    for (const form1_texts::Praise& praise : form1_texts::kPraise) {
        const int most = &praise == form1_texts::kPraise ? 1100 : (&praise)[-1].floor - 1;
        form.goedlbl.setCaption(praise.text + std::string("\r\n") + std::to_string(most));
        QCOMPARE(testing::unfittedTexts(form), QStringList());
    }
    for (const char* message : {form1_texts::kMissed, form1_texts::kReset}) {
        form.goedlbl.setCaption(message);
        QCOMPARE(testing::unfittedTexts(form), QStringList());
    }
}

void Form1WindowTest::tabSkipsDisabledAndHiddenControls() {
    Sandbox sandbox;
    Form1 form(sandbox.context);
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), &form.invoer);
    const QStringList expected = {"Command1", "Command2", "Command3",
                                  "Command4", "Command5", "invoer"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
    // Enabled and shown, the skipped controls take their places in the order.
    form.losecmd.setEnabled(true);
    form.woordenlijst.show();
    form.invoer.setFocus();
    QTest::keyClick(&form.invoer, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &form.losecmd);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &form.woordenlijst);
}

void Form1WindowTest::listsSortAsTheyShould() {
    Sandbox sandbox;
    Form1 form(sandbox.context);
    for (ui::ListBox* list : {&form.woordenlijst, &form.hiscorelist, &form.bonuslist}) {
        for (const char* w : {"b", "A", "c"}) {
            list->items().addItem(w);
        }
    }
    const auto order = [](ui::ListBox& list) {
        std::string s;
        for (int i = 0; i < list.items().count(); ++i) {
            s += list.items().item(i);
        }
        return s;
    };
    QCOMPARE(order(form.woordenlijst), std::string("Abc"));
    QCOMPARE(order(form.hiscorelist), std::string("Abc"));
    QCOMPARE(order(form.bonuslist), std::string("bAc"));
}

void Form1WindowTest::iconIsCompiledIn() {
    const QImage icon(QStringLiteral(":/toetsrace/icon.png"));
    QCOMPARE(icon.size(), QSize(48, 48));
    QCOMPARE(icon.pixelColor(0, 0), QColor(Qt::white));
    bool red = false, green = false, blue = false;
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 48; ++x) {
            const QColor c = icon.pixelColor(x, y);
            red |= c.red() > 200 && c.green() < 60 && c.blue() < 60;
            green |= c.green() > 120 && c.red() < 60 && c.blue() < 60;
            blue |= c.blue() > 200 && c.red() < 60 && c.green() < 60;
        }
    }
    QVERIFY(red && green && blue);
}

QTEST_MAIN(Form1WindowTest)
#include "tst_form1window.moc"
