// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace base {

// Message box styles, added together: buttons, icon, default button.
enum MsgStyle : int {
    kOkOnly = 0,
    kYesNo = 4,
    kCritical = 16,
    kExclamation = 48,
    kInformation = 64,
    kDefaultButton2 = 256,
};

// The button that closed a message box.
enum MsgResult : int {
    kOk = 1,
    kYes = 6,
    kNo = 7,
};

struct InputAnswer {
    std::string text;           // empty after Cancel
    bool representable = true;  // false when the player typed a character Windows-1252 lacks
};

// Modal boxes, as the windows ask for them; the ui layer shows Qt's, tests script their
// answers. A box without a title of its own shows the application title.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual int msgBox(std::string_view prompt, int style, std::string_view title = {}) = 0;
    virtual InputAnswer inputBox(std::string_view prompt, std::string_view title,
                                 std::string_view defaultText) = 0;
};

}  // namespace base
