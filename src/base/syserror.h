// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace base {

// What an error number of the C library means, in Dutch, in Windows-1252; for a number
// without a Dutch text, "systeemfout" and the number. The player reads this first; the
// library's own (English) text may follow it in brackets.
std::string dutchSystemError(int error);

// "<Dutch> (<the library's text>)".
std::string systemErrorText(int error);

}  // namespace base
