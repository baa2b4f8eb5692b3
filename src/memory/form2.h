// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/window.h"
#include "ui/controls.h"

#include <cstdint>
#include <string>

// Form2 is the memory-mode window and its game, "Ik ga op reis en ik neem mee": every
// word received so far must be typed again, run together, to get the next one.
//
// Command1_Click ("Go!") draws the first word from the main window's word list. Each
// Text1_Change compares the box with the whole sequence; a match runs SequenceCompleted,
// which empties the box, draws the next word through Command1_Click and counts the
// sequence. Command2_Click and the close box hide this window and show the main one.
// Each correct sequence and the end of each visit go to the typing statistics; F2 asks
// for their window.
// Names follow the window definitions, as in the main window.
class Form2 : public app::Window {
    Q_OBJECT
public:
    // `words` is the main window's word list, which both games use up; `mainWindow` is
    // shown again when the player leaves.
    Form2(app::Context& context, base::ListItems& words, QWidget& mainWindow);

    void Form_Load() override;

    void Command1_Click();  // "Go!": the first word, and every next one
    void Command2_Click();  // back to the main window
    void Command3_Click();  // the explanation
    void Text1_Change();    // compares the box with the whole sequence
    void flasher_Timer();   // hides "Goed!"

    ui::Label Label1{this, "Label1"};           // "Woorden onthouden tot nu toe:"
    ui::Label onthouden{this, "onthouden"};     // rememberedCount
    ui::Frame Frame1{this, "Frame1"};           // "Laatste Woord:"
    ui::Label onthwoord{&Frame1, "onthwoord"};  // the word just received
    ui::Label goed{this, "goed"};               // "Goed!" after a correct sequence
    ui::Button Command1{this, "Command1"};      // "Go!"
    ui::MultiLineTextBox Text1{this, "Text1"};  // the player types the sequence here
    ui::Button Command3{this, "Command3"};      // "?"
    ui::Button Command2{this, "Command2"};      // "Terug naar Toetsrace"
    ui::Timer flasher{this, "flasher"};         // shows "Goed!" for 600 ms

    std::string sequence;  // every word received, run together
    std::string lastWord;
    std::int32_t rememberedCount = 0;  // -1 until the first correct sequence

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void layOut();
    void connectHandlers();
    bool drawWord();
    void SequenceCompleted();

    base::ListItems& words_;
    QWidget& mainWindow_;
};
