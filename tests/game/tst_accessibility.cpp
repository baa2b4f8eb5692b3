// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/frmabout.h"
#include "base/text.h"
#include "game.h"
#include "memory/form2.h"

#include <QAccessible>
#include <QtTest>

using testing::Game;

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlHasAName();
    void valueLabelsSayWhatTheyShow();
    void everyControlHasItsRole();
};

namespace {

QString accessibleName(QWidget* control) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// The window's own controls: every child that carries a name.
QStringList unnamedControls(QWidget& window) {
    QStringList unnamed;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) {
            continue;
        }
        if (accessibleName(control).trimmed().isEmpty()) {
            unnamed << name;
        }
    }
    return unnamed;
}

}  // namespace

void AccessibilityTest::everyControlHasAName() {
    Game game;
    game->show();
    QCOMPARE(unnamedControls(game.form()), QStringList());
    QVERIFY(game->findChildren<QWidget*>().size() > 30);
    // Empty captions too: between words the word label still says what it is.
    game->snel.setCaption("");
    QCOMPARE(accessibleName(&game->snel), QStringLiteral("Woord"));
    QCOMPARE(accessibleName(&game->Command2), QStringLiteral("Zie Of Verberg Highscore"));

    game->Command5_Click();
    QCOMPARE(unnamedControls(*game->memoryWindow), QStringList());
    QCOMPARE(accessibleName(&game->memoryWindow->Command3), QStringLiteral("Uitleg"));
    game->memoryWindow->Command2_Click();

    game->Command4_Click();
    QCOMPARE(unnamedControls(*game->aboutWindow), QStringList());
    QCOMPARE(accessibleName(&game->aboutWindow->cmdOK), QStringLiteral("OK"));
}

void AccessibilityTest::valueLabelsSayWhatTheyShow() {
    Game game;
    game.startWord(1);
    game->Timer1_Timer();
    QCOMPARE(accessibleName(&game->scoreover),
             QStringLiteral("Score over voor huidige woord: 1099"));
    QCOMPARE(accessibleName(&game->snel), QStringLiteral("Woord: kat"));
    QCOMPARE(accessibleName(&game->Label3), QStringLiteral("Score over voor huidige woord:"));
}

namespace {

// Each of the window's controls that does not have the role its kind calls for.
QStringList wrongRoles(QWidget& window) {
    QStringList wrong;
    const auto check = [&](QWidget* control, QAccessible::Role role) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        if (!accessible || accessible->role() != role) {
            wrong << control->objectName();
        }
    };
    for (ui::Label* label : window.findChildren<ui::Label*>()) {
        check(label, QAccessible::StaticText);
        // A screen reader reads the caption the label shows.
        const QString shown = base::toQString(label->caption()).simplified();
        if (!accessibleName(label).contains(shown)) {
            wrong << label->objectName() + QStringLiteral(" (name)");
        }
    }
    for (ui::Button* button : window.findChildren<ui::Button*>()) {
        check(button, QAccessible::Button);
    }
    for (ui::TextBox* box : window.findChildren<ui::TextBox*>()) {
        check(box, QAccessible::EditableText);
    }
    for (ui::MultiLineTextBox* box : window.findChildren<ui::MultiLineTextBox*>()) {
        check(box, QAccessible::EditableText);
    }
    for (ui::ListBox* list : window.findChildren<ui::ListBox*>()) {
        check(list, QAccessible::List);
    }
    return wrong;
}

}  // namespace

void AccessibilityTest::everyControlHasItsRole() {
    Game game;
    game->show();
    game.startWord(1);
    QCOMPARE(wrongRoles(game.form()), QStringList());
    const auto roleOf = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->role(); };
    QCOMPARE(roleOf(&game->Line1), QAccessible::Graphic);
    QCOMPARE(roleOf(&game.form()), QAccessible::Window);
    game->Command5_Click();
    QCOMPARE(wrongRoles(*game->memoryWindow), QStringList());
    QCOMPARE(roleOf(game->memoryWindow.get()), QAccessible::Window);
    game->memoryWindow->Command2_Click();
    game->Command4_Click();
    QCOMPARE(wrongRoles(*game->aboutWindow), QStringList());
    QCOMPARE(roleOf(game->aboutWindow), QAccessible::Dialog);
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
