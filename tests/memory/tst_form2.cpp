// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game.h"
#include "memory/form2.h"

#include <QtTest>

using testing::Game;

class Form2Test : public QObject {
    Q_OBJECT
private slots:
    void windowAndControls();
    void everyFixedTextFitsAndResizingMovesNothing();
    void tabOrder();
    void sequenceMustBeTypedExactly_data();
    void sequenceMustBeTypedExactly();
    void completingKeystrokeBringsTheNextWord();
    void keysGoToTheTypingBoxAfterGo();
    void emptyBoxMatchesBeforeTheFirstDraw();
    void wordsComeFromTheMainGamesList();
    void leavingAndComingBackKeepsEverything();
    void explanationChangesNothing();
    void closeBoxBringsTheMainWindowBack();
    void listWithoutAWordNeverHangsTheDraw();
};

namespace {

Form2& openMemoryMode(Game& game) {
    game->Command5_Click();
    return *game->memoryWindow;
}

// Draws `words` in turn: each from the position it holds in the main list at that moment.
void scriptDraws(Game& game, const std::vector<std::string>& words) {
    std::vector<std::string> left = game.words();
    for (const std::string& word : words) {
        const auto at = std::find(left.begin(), left.end(), word) - left.begin();
        game.sandbox.random.script(
            {Game::drawing(static_cast<int>(at), static_cast<int>(left.size()))});
        left.erase(left.begin() + at);
    }
}

}  // namespace

void Form2Test::windowAndControls() {
    Game game;
    Form2& memory = openMemoryMode(game);
    QVERIFY(game->isHidden());
    QVERIFY(memory.isVisible());
    QCOMPARE(memory.windowTitle(), QStringLiteral("Onthouden!"));
    QCOMPARE(memory.size(), QSize(714, 402));
    QVERIFY(memory.minimumSize() != memory.maximumSize());  // sizable
    QCOMPARE(memory.rememberedCount, -1);
    QCOMPARE(memory.Frame1.title(), QStringLiteral("Laatste Woord:"));
    QCOMPARE(memory.onthwoord.parentWidget(), &memory.Frame1);
    QCOMPARE(memory.onthwoord.geometry().topLeft(), QPoint(20, 20));
    QVERIFY(memory.goed.isHidden());
    QCOMPARE(memory.goed.foreColour(), ui::Colour::rgb(0, 255, 0));
    QVERIFY(!memory.flasher.enabled());
    QCOMPARE(memory.flasher.interval(), 600);
    QCOMPARE(memory.Command1.caption(), std::string("Go!"));
    QVERIFY(memory.Command1.isEnabled());
    QCOMPARE(memory.onthouden.caption(), std::string());
    QCOMPARE(memory.Command2.geometry(), game->Command5.geometry());
    QCOMPARE(QFontInfo(memory.Command3.font()).family(), QStringLiteral("FreeSans"));
    QCOMPARE(memory.Command3.font().pointSizeF(), 48.75);
    QCOMPARE(memory.goed.font().pointSizeF(), 72.0);
    QCOMPARE(memory.onthwoord.font().pointSizeF(), 18.0);
}

void Form2Test::everyFixedTextFitsAndResizingMovesNothing() {
    Game game;
    Form2& memory = openMemoryMode(game);
    QCOMPARE(testing::unfittedTexts(memory), QStringList());
    std::vector<QRect> before;
    for (QWidget* w : memory.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        before.push_back(w->geometry());
    }
    memory.resize(300, 200);
    memory.showMaximized();
    std::vector<QRect> after;
    for (QWidget* w : memory.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        after.push_back(w->geometry());
    }
    QVERIFY(before == after);
}

void Form2Test::tabOrder() {
    Game game;
    Form2& memory = openMemoryMode(game);
    QApplication::setActiveWindow(&memory);
    QVERIFY(QTest::qWaitForWindowActive(&memory));
    QCOMPARE(QApplication::focusWidget(), &memory.Text1);
    QStringList visited;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList{"Command1", "Command2", "Command3", "Text1"}));
}

void Form2Test::sequenceMustBeTypedExactly_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("matches");
    QTest::newRow("kathond") << "kathond" << true;
    QTest::newRow("kat hond") << "kat hond" << false;
    QTest::newRow("Kathond") << "Kathond" << false;
    QTest::newRow("with a line break") << "kathond\n" << false;
    QTest::newRow("hondkat") << "hondkat" << false;
}

void Form2Test::sequenceMustBeTypedExactly() {
    QFETCH(QString, typed);
    QFETCH(bool, matches);
    Game game({"kat", "hond", "vis", "boom"});
    Form2& memory = openMemoryMode(game);
    scriptDraws(game, {"kat", "hond", "vis"});
    memory.Command1_Click();
    QCOMPARE(memory.lastWord, std::string("kat"));
    memory.Text1.setText("kat");
    QCOMPARE(memory.sequence, std::string("kathond"));
    QCOMPARE(memory.onthwoord.caption(), std::string("hond"));
    memory.Text1.setPlainText(typed);
    QCOMPARE(memory.rememberedCount, matches ? 1 : 0);
    QCOMPARE(memory.Text1.toPlainText().isEmpty(), matches);
}

void Form2Test::completingKeystrokeBringsTheNextWord() {
    Game game({"kat", "hond", "vis", "boom"});
    Form2& memory = openMemoryMode(game);
    QApplication::setActiveWindow(&memory);
    QVERIFY(QTest::qWaitForWindowActive(&memory));
    scriptDraws(game, {"kat", "hond", "vis"});
    QTest::mouseClick(&memory.Command1, Qt::LeftButton);
    QVERIFY(!memory.Command1.isEnabled());
    memory.Text1.setFocus();
    QTest::keyClicks(&memory.Text1, "ka");
    QCOMPARE(memory.rememberedCount, -1);
    QTest::keyClicks(&memory.Text1, "t");
    QCOMPARE(memory.Text1.text(), std::string());
    QCOMPARE(memory.onthwoord.caption(), std::string("hond"));
    QCOMPARE(memory.onthouden.caption(), std::string("0"));
    QVERIFY(!memory.goed.isHidden());
    memory.flasher_Timer();
    QVERIFY(memory.goed.isHidden());
    QTest::keyClicks(&memory.Text1, "kathond");
    QCOMPARE(memory.onthouden.caption(), std::string("1"));
    QCOMPARE(memory.sequence, std::string("kathondvis"));
    QVERIFY(!memory.Command1.isEnabled());
}

void Form2Test::keysGoToTheTypingBoxAfterGo() {
    Game game({"kat", "hond", "vis"});
    Form2& memory = openMemoryMode(game);
    QApplication::setActiveWindow(&memory);
    QVERIFY(QTest::qWaitForWindowActive(&memory));
    scriptDraws(game, {"kat", "hond"});
    memory.Command1.setFocus();
    QTest::keyClick(&memory.Command1, Qt::Key_Space);
    QCOMPARE(memory.lastWord, std::string("kat"));
    QCOMPARE(QApplication::focusWidget(), &memory.Text1);
    // A Space typed now is a character of the box, not a press of "Terug naar Toetsrace".
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(memory.isVisible());
    QCOMPARE(memory.Text1.text(), std::string(" "));
}

void Form2Test::emptyBoxMatchesBeforeTheFirstDraw() {
    Game game;
    Form2& memory = openMemoryMode(game);
    memory.show();
    memory.Text1.setFocus();
    QTest::keyClicks(&memory.Text1, "x");
    QCOMPARE(memory.rememberedCount, -1);
    QTest::keyClick(&memory.Text1, Qt::Key_Backspace);
    QCOMPARE(memory.rememberedCount, 0);
    QVERIFY(!memory.sequence.empty());
    QVERIFY(!memory.Command1.isEnabled());
}

void Form2Test::wordsComeFromTheMainGamesList() {
    Game game({"kat", "hond"});
    Form2& memory = openMemoryMode(game);
    scriptDraws(game, {"kat"});
    memory.Command1_Click();
    QCOMPARE(game.words(), std::vector<std::string>{"hond"});
    // The last word leaves the list empty: it is filled again from the file.
    game.sandbox.random.script({0.0f});
    memory.Text1.setText("kat");
    QCOMPARE(memory.lastWord, std::string("hond"));
    QCOMPARE(game.words(), (std::vector<std::string>{"", "hond", "kat"}));
    // The main game draws from the same list.
    game.startWord(1);
    QCOMPARE(game->currentWord, std::string("hond"));
}

void Form2Test::leavingAndComingBackKeepsEverything() {
    Game game;
    game.startWord(0);
    Form2& memory = openMemoryMode(game);
    // The main window's timers keep running while it is hidden.
    QVERIFY(game->Timer1.enabled());
    memory.Command1_Click();
    memory.Text1.setText(memory.sequence);
    memory.Text1.setText("half");
    const std::string sequence = memory.sequence;
    memory.Command2_Click();
    QVERIFY(memory.isHidden());
    QVERIFY(game->isVisible());
    game->Command5_Click();
    QCOMPARE(game->memoryWindow.get(), &memory);
    QVERIFY(memory.isVisible());
    QCOMPARE(memory.sequence, sequence);
    QCOMPARE(memory.rememberedCount, 0);
    QCOMPARE(memory.Text1.text(), std::string("half"));
    QVERIFY(!memory.Command1.isEnabled());
}

void Form2Test::explanationChangesNothing() {
    Game game;
    Form2& memory = openMemoryMode(game);
    memory.Command3_Click();
    QCOMPARE(game.sandbox.dialogs.calls.size(), 1u);
    QCOMPARE(game.sandbox.dialogs.calls[0].text,
             std::string("De bedoeling is dat nadat je op 'Go!' drukt dat je alle woorden onthoud "
                         "die er voorbij komen\r\nelke keer moet je dan ook alle vorige woorden "
                         "intypen die je hebt gekregen om een nieuw woord te krijgen\r\nnet "
                         "zoiets als 'Ik ga op reis en ik neem mee'"));
    QCOMPARE(game.sandbox.dialogs.calls[0].style, 64);
    QCOMPARE(memory.rememberedCount, -1);
    QVERIFY(memory.sequence.empty());
    QVERIFY(memory.Command1.isEnabled());
}

void Form2Test::closeBoxBringsTheMainWindowBack() {
    Game game;
    Form2& memory = openMemoryMode(game);
    QVERIFY(game->isHidden());
    QVERIFY(memory.close());
    QVERIFY(memory.isHidden());
    QVERIFY(game->isVisible());
    game->Command5_Click();
    QCOMPARE(memory.rememberedCount, -1);  // loaded once only
    QVERIFY(memory.isVisible());
}

void Form2Test::listWithoutAWordNeverHangsTheDraw() {
    Game game({"kat"});
    Form2& memory = openMemoryMode(game);
    game->woordenlijst.items().clear();
    game->woordenlijst.items().addItem("");
    memory.Command1_Click();  // refilled from the file: blank, kat
    QCOMPARE(memory.lastWord, std::string("kat"));
    game.sandbox.writeFile(game.sandbox.inWork("woordenlijst.txt"), "\r\n");
    memory.Text1.setText("kat");  // the list holds only the blank entry, the file no word
    QCOMPARE(game.sandbox.dialogs.calls.size(), 1u);
    QCOMPARE(game.sandbox.dialogs.calls[0].style, 48);
    QVERIFY(memory.Command1.isEnabled());
    QCOMPARE(game.sandbox.readFile(game.sandbox.inWork("woordenlijst.txt")), std::string("\r\n"));
}

QTEST_MAIN(Form2Test)
#include "tst_form2.moc"
