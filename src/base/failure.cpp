// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/failure.h"

namespace base {

OverflowFailure::OverflowFailure(const std::string& what)
    : Failure("Rekenfout (overloop): " + what +
              " past niet meer in zijn getaltype. Toetsrace "
              "sluit nu af.") {}

}  // namespace base
