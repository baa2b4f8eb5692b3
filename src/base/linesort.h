// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "base/collator.h"
#include "base/listitems.h"

namespace base {

// Sorts entries with the collator, stable: equal entries keep their order of arrival.
// Sort keys live only while it sorts; a large list shares the key work between two
// threads, each with a collator of its own.
void sortLines(TextLines& lines, const Collator& collator);

}  // namespace base
