// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/frmabout.h"

#include "about/about_texts.h"
#include "base/text.h"
#include "version.h"

#include <QPixmap>

namespace {

Qt::WindowFlags dialogFrame() {
    // A dialog of the main window: no task-bar entry of its own.
    return (ui::fixedDialogFrame() & ~Qt::Window) | Qt::Dialog;
}

}  // namespace

frmAbout::frmAbout(app::Context& context, QWidget* mainWindow)
    : app::Window(context, "frmAbout", dialogFrame(), mainWindow) {
    setAttribute(Qt::WA_DeleteOnClose);
    setCaption(about_texts::kInitialCaption);
    setClientSize(5730, 3555, true);
    setFont(ui::toQFont(ui::kWindowFont));
    setWindowIcon(QPixmap(QStringLiteral(":/toetsrace/icon.png")));
    layOut();
    cmdOK.onClick(ctx, [this] { cmdOK_Click(); });
    Command1.onClick(ctx, [this] { Command1_Click(); });
}

void frmAbout::layOut() {
    picIcon.setup({300, 120, 780, 780}, QPixmap(QStringLiteral(":/toetsrace/icon.png")), true);
    lblTitle.setup({1500, 60, 3885, 360}, about_texts::kLblTitleCaption);
    lblTitle.setForeColour(ui::kBlack);
    lblVersion.setup({1500, 480, 3885, 225}, about_texts::kLblVersionCaption);
    Label1.setup({1500, 720, 3885, 225}, about_texts::kLabel1Caption);
    Text1.setup({1500, 1020, 3975, 1455}, ui::MultiLineTextBox::ScrollBars::Vertical);
    Text1.setText(about_texts::kChangelog);
    Text1.setReadOnly(true);
    Text1.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Image1.setup({120, 1020, 1275, 1440}, QPixmap(QStringLiteral(":/toetsrace/about.png")), false);
    Label2.setup({120, 2820, 3555, 435}, about_texts::kDisclaimer);
    cmdOK.setup({4020, 2640, 1260, 345}, about_texts::kCmdOKCaption);
    Command1.setup({4020, 3060, 1260, 345}, about_texts::kCommand1Caption);
    picIcon.setAccessibleName(QStringLiteral("Programma-icoon"));
    Image1.setAccessibleName(QStringLiteral("Afbeelding: een toets op weg naar de finish"));
    Text1.setAccessibleName(QStringLiteral("Changelog"));
    // "&Help" is both the default and the cancel button, so Esc shows the help, as the
    // window has always done.
    setDefaultButton(&Command1);
    setCancelButton(&Command1);

    QWidget::setTabOrder(&cmdOK, &picIcon);
    QWidget::setTabOrder(&picIcon, &Text1);
    QWidget::setTabOrder(&Text1, &Command1);
    cmdOK.setFocus();
}

void frmAbout::Form_Load() {
    const std::string title = kProductName;
    setCaption(about_texts::kCaptionBefore + title);
    lblVersion.setCaption(about_texts::kVersionBefore + base::decimal(kVersionMajor) + "." +
                          base::decimal(kVersionMinor) + "." + base::decimal(kVersionRevision));
    lblTitle.setCaption(title + "\r\n" + about_texts::kCreditLine);
}

void frmAbout::cmdOK_Click() {
    close();
}

// The help text, built anew on every click.
void frmAbout::Command1_Click() {
    std::string help;
    for (const char* line : about_texts::kHelpLines) {
        if (!help.empty()) {
            help += "\r\n";
        }
        help += line;
    }
    ctx.dialogs.msgBox(help, base::kInformation);
}
