// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "base/dialogs.h"

namespace ui {

// Qt's own modal boxes, with Dutch buttons.
class QtDialogs : public base::Dialogs {
public:
    int msgBox(std::string_view prompt, int style, std::string_view title = {}) override;
    base::InputAnswer inputBox(std::string_view prompt, std::string_view title,
                               std::string_view defaultText) override;
};

}  // namespace ui
