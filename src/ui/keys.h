// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

namespace ui {

// A key press in a text box, as the box meets it before it acts on the key.
struct KeyPress {
    int place = 0;      // where a typed character goes: the cursor, or the selection it replaces
    QStringView typed;  // the characters the key types; empty for a key that types none
    bool correction = false;    // Backspace or Delete
    bool intoEmptyBox = false;  // the box held nothing before the key
};

// Sees each key press in a text box before the box acts on it. It runs on every keystroke,
// so it must return at once.
class KeyObserver {
public:
    virtual void keyPressed(const KeyPress& press) noexcept = 0;

protected:
    ~KeyObserver() = default;
};

}  // namespace ui
