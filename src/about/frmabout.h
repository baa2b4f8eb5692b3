// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/window.h"
#include "ui/controls.h"

// The about window: title and credit line, version, changelog, disclaimer, a picture, and
// the help text behind "&Help". It opens beside the main window without blocking it;
// "&OK" and the close box close and discard it.
class frmAbout : public app::Window {
    Q_OBJECT
public:
    frmAbout(app::Context& context, QWidget* mainWindow);

    void Form_Load() override;
    void cmdOK_Click();     // closes the window
    void Command1_Click();  // the help text

    ui::Image picIcon{this, "picIcon"};         // the program's icon
    ui::Label lblTitle{this, "lblTitle"};       // title and credit line
    ui::Label lblVersion{this, "lblVersion"};   // "Version 1.0.27"
    ui::Label Label1{this, "Label1"};           // "Changelog:"
    ui::MultiLineTextBox Text1{this, "Text1"};  // the changelog, read-only
    ui::Image Image1{this, "Image1"};           // the picture
    ui::Label Label2{this, "Label2"};           // the disclaimer
    ui::Button cmdOK{this, "cmdOK"};            // "&OK"
    ui::Button Command1{this, "Command1"};      // "&Help"

private:
    void layOut();
};
