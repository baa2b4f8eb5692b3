// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/colour.h"

#include <QPushButton>
#include <QWidget>

#include <string>
#include <string_view>

namespace ui {

// A window of the game: its caption is its title, exactly; its client area is sized in
// twips; its load handler runs once, the first time it is shown.
class Form : public QWidget {
    Q_OBJECT
public:
    Form(const char* name, Qt::WindowFlags flags, QWidget* parent = nullptr);

    std::string caption() const;
    void setCaption(std::string_view caption);

    Colour backColour() const { return back_; }
    void setBackColour(Colour colour);

    void setClientSize(int widthTwips, int heightTwips, bool fixed);

    // Enter presses the default button unless the focused control takes it (a focused
    // button presses itself); Esc presses the cancel button.
    void setDefaultButton(QPushButton* button) { defaultButton_ = button; }
    void setCancelButton(QPushButton* button) { cancelButton_ = button; }

    // Runs the load handler if the window has not been loaded yet, then shows it.
    void showForm();
    // The same, placed apart from `other` and off its `keepFree`, without taking the
    // keyboard from it.
    void showFormApart(QWidget& other, const QRect& keepFree);
    bool loaded() const { return loaded_; }
    virtual void Form_Load() {}
    // The part of the window that another window must not cover while one plays.
    virtual QRect keptFree() const { return rect(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Colour back_ = kButtonFace;
    bool loaded_ = false;
    QPushButton* defaultButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

// The flags of a window that cannot be resized and has only a close box.
Qt::WindowFlags fixedDialogFrame();

}  // namespace ui
