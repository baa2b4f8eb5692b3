// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The controls a window is made of, one family per header.
#include "ui/button.h"
#include "ui/label.h"
#include "ui/listbox.h"
#include "ui/movingword.h"
#include "ui/simplecontrols.h"
#include "ui/textboxes.h"
