// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "base/dialogs.h"

#include <iostream>

// Messages go to the terminal; the benchmarks answer no questions.
class ConsoleDialogs : public base::Dialogs {
public:
    int msgBox(std::string_view prompt, int, std::string_view) override {
        std::cerr << prompt << '\n';
        return base::kOk;
    }
    base::InputAnswer inputBox(std::string_view, std::string_view, std::string_view) override {
        return {};
    }
};
