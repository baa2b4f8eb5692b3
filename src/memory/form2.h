#pragma once

#include "ui/controls.h"
#include "ui/form.h"

#include <cstdint>
#include <string>

// Form2 is the memory-mode window and its game, "Ik ga op reis en ik neem mee": every
// word received so far must be typed again, run together, to get the next one.
//
// Command1_Click ("Go!") draws the first word from the main window's word list. Each
// Text1_Change compares the box with the whole sequence; a match runs SequenceCompleted,
// which empties the box, draws the next word through Command1_Click and counts the
// sequence. Command2_Click and the close box hide this window and show the main one.
class Form2 : public ui::Form {
    Q_OBJECT
public:
    // `words` is the main window's word list, which both games use up; `mainWindow` is
    // shown again when the player leaves.
    Form2(ui::Context& context, ui::ListItems& words, QWidget& mainWindow);

    void Form_Load() override;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Text1_Change();
    void flasher_Timer();

    ui::Label Label1{this, "Label1"};
    ui::Label onthouden{this, "onthouden"};
    ui::Frame Frame1{this, "Frame1"};
    ui::Label onthwoord{&Frame1, "onthwoord"};
    ui::Label goed{this, "goed"};
    ui::Button Command1{this, "Command1"};
    ui::MultiLineTextBox Text1{this, "Text1"};
    ui::Button Command3{this, "Command3"};
    ui::Button Command2{this, "Command2"};
    ui::Timer flasher{this, "flasher"};

    std::string sequence;
    std::string lastWord;
    std::int32_t rememberedCount = 0;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void layOut();
    void connectHandlers();
    bool drawWord();
    void SequenceCompleted();

    ui::ListItems& words_;
    QWidget& mainWindow_;
};
