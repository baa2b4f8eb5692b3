// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/control.h"
#include "ui/font.h"
#include "ui/guard.h"
#include "ui/keys.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <functional>
#include <string>
#include <string_view>

namespace ui {

// The change handler of a text box, and how it runs. A change the player types comes from
// Qt, so it runs inside the window's guard, like every other entry into the game. A change
// that code makes runs the handler at once, nested inside the code that set the text and
// outside any guard of its own: the game counts on the handler having run when the set
// returns, and a failure in it unwinds through the handler that set the text, to that
// handler's guard.
class ChangeHandler {
public:
    void set(Guard& guard, Handler handler);
    void typed() const;
    void setByCode() const;

private:
    Guard* guard_ = nullptr;
    Handler handler_;
};

// Key codes as the key-down handlers receive them.
enum KeyCode : int { kKeyDelete = 46 };

// A single-line text box. Its change handler runs synchronously on every real change of
// its text, typed or set by code, nested inside whatever set it; a set that changes
// nothing runs nothing.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    TextBox(QWidget* parent, const char* name);

    void setup(const TwipRect& rect, const Font& font, Align align = Align::Left);

    // The text as bytes; characters without a Windows-1252 code show as '?'.
    std::string text() const;
    // Exact comparison, code by code; a character Windows-1252 lacks never matches.
    bool textIs(std::string_view bytes) const;
    void setText(std::string_view bytes);

    // 0 means no limit. A limit applies to typing, not to what is already there.
    int maxLength() const { return maxLength_; }
    void setMaxLength(int length);

    void onChange(Guard& guard, Handler handler);
    void onKeyDown(Guard& guard, std::function<void(int keyCode, int shift)> handler);
    void observeKeys(KeyObserver& observer) { keyObserver_ = &observer; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyMaxLength(qsizetype kept);
    void observe(const QKeyEvent& event) const;

    ChangeHandler change_;
    Guard* keyGuard_ = nullptr;
    std::function<void(int, int)> keyDown_;
    KeyObserver* keyObserver_ = nullptr;
    int maxLength_ = 0;
};

// A multi-line text box; its text holds CR LF where the player sees a line break.
class MultiLineTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    enum class ScrollBars { None, Vertical };
    MultiLineTextBox(QWidget* parent, const char* name);

    void setup(const TwipRect& rect, ScrollBars bars, const Font& font = kWindowFont);
    std::string text() const;
    bool textIs(std::string_view bytes) const;
    void setText(std::string_view bytes);
    void onChange(Guard& guard, Handler handler);

private:
    QString shownWithCrLf() const;

    ChangeHandler change_;
    QString last_;
};

}  // namespace ui
