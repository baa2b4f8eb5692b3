// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/frmabout.h"
#include "game.h"

#include <QScrollBar>
#include <QtTest>

using testing::Game;

class AboutTest : public QObject {
    Q_OBJECT
private slots:
    void loadSetsCaptionVersionAndTitleEveryTime();
    void changelogIsExactAndReadOnly();
    void helpTextLineByLine();
    void oneWindowBroughtToTheFront();
    void escapeAndEnter();
    void windowLayout();
};

namespace {

frmAbout& openAbout(Game& game) {
    game->show();
    game->Command4_Click();
    return *game->aboutWindow;
}

void activate(QWidget& window) {
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

const QStringList kHelp = {
    "Zo dus jij wilt help?",
    "De bedoeling van dit spelletje is dat je binnen de tijd een woord typt die op het scherm  "
    "voorbij komt.",
    "---Levens---",
    "Lukt dit niet dan zal er een leven van af gaan, u heeft 5 levens te verspillen.",
    "Als u een leven verspild heb dan kunt u op de knop met resterende levens klikken om het "
    "volgende leven te gebruiken.",
    "---Levels---",
    "Als u het woord wel red krijgt u het volgende woord, en als u er 10 heeft gehaald dan gaat "
    "u een level omhoog",
    "Met elk level zal de snelheid van de voorbijgaande woorden verhogen.",
    "Als u een level omhoog bent dan moet u op het 'Start level' knopje drukken ",
    "---Commando's---",
    "De commando's die u kunt gebruiken zijn:",
    "'/God' hiermee zult u 9999 levens krijgen en kunt dus niet game over gaan, maar nu kunt u "
    "geen highscores opslaan",
    "'/speed' dit verhoogt de snelheid en wordt meestal alleen tijdens de ontwikkelingsfase "
    "gebruikt.",
    "'/debug' Dit laat de woordenlijst zien",
    "'/p' dit pauzeert het spel",
    "Alle commando's zijn omkeerbaar als u hetzelfde commando weer intypt.",
};

}  // namespace

void AboutTest::loadSetsCaptionVersionAndTitleEveryTime() {
    Game game;
    for (int round = 0; round < 2; ++round) {
        frmAbout& about = openAbout(game);
        QCOMPARE(about.windowTitle(), QStringLiteral("About ToetsRace"));
        QCOMPARE(about.lblVersion.caption(), std::string("Version 1.0.27"));
        QCOMPARE(about.lblTitle.caption(),
                 std::string("ToetsRace\r\nGemaakt door het Toetsrace-team"));
        QCOMPARE(about.lblTitle.textLayout().lines.size(), 2);
        QPointer<frmAbout> closing = &about;
        about.cmdOK.click();
        QVERIFY(!about.isVisible());
        QTRY_VERIFY(closing.isNull());  // discarded: the next opening loads anew
        QVERIFY(game->aboutWindow.isNull());
    }
}

void AboutTest::changelogIsExactAndReadOnly() {
    Game game;
    frmAbout& about = openAbout(game);
    const std::string changelog = about.Text1.text();
    QCOMPARE(changelog.size(), 497u);
    QCOMPARE(std::count(changelog.begin(), changelog.end(), '\n'), 21);
    QVERIFY(
        changelog.starts_with("V0.27:\r\nOnthou modus toegevoegd\r\nV0.26:\r\n"
                              "Woordenlijst sorteerd op alfabet en slaat dit \r\n"));
    QVERIFY(changelog.ends_with("V0.20:\r\nMinimaliseer bug fixed\r\nHighscores gemaakt\r\n"));
    QVERIFY(about.Text1.isReadOnly());
    about.Text1.setFocus();
    QTest::keyClicks(&about.Text1, "weg");
    QTest::keyClick(&about.Text1, Qt::Key_Backspace);
    QCOMPARE(about.Text1.text(), changelog);
    // It scrolls to its last line.
    QScrollBar* bar = about.Text1.verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    bar->setValue(bar->maximum());
    QCOMPARE(bar->value(), bar->maximum());
}

void AboutTest::helpTextLineByLine() {
    Game game;
    frmAbout& about = openAbout(game);
    about.Command1_Click();
    about.Command1.click();
    QCOMPARE(game.sandbox.dialogs.calls.size(), 2u);
    for (const auto& call : game.sandbox.dialogs.calls) {
        QCOMPARE(QString::fromLatin1(call.text.data()).split("\r\n"), kHelp);
        QCOMPARE(call.style, 64);
        QCOMPARE(call.title, std::string());
    }
}

void AboutTest::oneWindowBroughtToTheFront() {
    Game game;
    game->show();
    QApplication::setActiveWindow(&game.form());
    game->invoer.setFocus();
    frmAbout& about = openAbout(game);
    // The game keeps the keyboard.
    QCOMPARE(QApplication::focusWidget(), &game->invoer);
    about.lower();
    game->Command4_Click();
    QCOMPARE(game->aboutWindow.data(), &about);
    QCOMPARE(game->findChildren<frmAbout*>().size(), 1);
    // Not modal: the game goes on beside it.
    QVERIFY(!about.isModal());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    game.startWord(0);
    QVERIFY(game->Timer1.enabled());
}

void AboutTest::escapeAndEnter() {
    Game game;
    frmAbout& about = openAbout(game);
    activate(about);
    QCOMPARE(QApplication::focusWidget(), &about.cmdOK);
    QTest::keyClick(&about.cmdOK, Qt::Key_Escape);
    QCOMPARE(game.sandbox.dialogs.calls.size(), 1u);  // the help, not a close
    QVERIFY(about.isVisible());
    about.Text1.setFocus();
    QTest::keyClick(&about.Text1, Qt::Key_Escape);
    QTest::keyClick(&about.Text1, Qt::Key_Return);
    QCOMPARE(game.sandbox.dialogs.calls.size(), 3u);
    QVERIFY(about.isVisible());
    // Enter right after opening presses the focused "&OK".
    about.cmdOK.setFocus();
    QTest::keyClick(&about.cmdOK, Qt::Key_Return);
    QVERIFY(!about.isVisible());
    QCOMPARE(game.sandbox.dialogs.calls.size(), 3u);
}

void AboutTest::windowLayout() {
    Game game;
    frmAbout& about = openAbout(game);
    QCOMPARE(about.size(), QSize(382, 237));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QVERIFY(about.windowFlags() & Qt::Dialog);
    QVERIFY(!(about.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(about.parentWidget(), &game.form());
    QCOMPARE(about.Image1.pixmap().size(), QSize(85, 96));
    QCOMPARE(about.Image1.geometry(), QRect(8, 68, 85, 96));
    QCOMPARE(about.picIcon.geometry(), QRect(20, 8, 52, 52));
    QCOMPARE(about.windowIcon().pixmap(48).size(), QSize(48, 48));
    QCOMPARE(about.Label2.textLayout().lines.size(), 2);
    QCOMPARE(testing::unfittedTexts(about), QStringList());
    activate(about);
    QStringList visited;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList{"picIcon", "Text1", "Command1", "cmdOK"}));
}

QTEST_MAIN(AboutTest)
#include "tst_frmabout.moc"
