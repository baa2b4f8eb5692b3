#pragma once

#include "ui/controls.h"
#include "ui/form.h"

// The about window: title and credit line, version, changelog, disclaimer, a picture, and
// the help text behind "&Help". It opens beside the main window without blocking it;
// "&OK" and the close box close and discard it.
class frmAbout : public ui::Form {
    Q_OBJECT
public:
    frmAbout(ui::Context& context, QWidget* mainWindow);

    void Form_Load() override;
    void cmdOK_Click();
    void Command1_Click();

    ui::Image picIcon{this, "picIcon"};
    ui::Label lblTitle{this, "lblTitle"};
    ui::Label lblVersion{this, "lblVersion"};
    ui::Label Label1{this, "Label1"};
    ui::MultiLineTextBox Text1{this, "Text1"};
    ui::Image Image1{this, "Image1"};
    ui::Label Label2{this, "Label2"};
    ui::Button cmdOK{this, "cmdOK"};
    ui::Button Command1{this, "Command1"};

private:
    void layOut();
};
