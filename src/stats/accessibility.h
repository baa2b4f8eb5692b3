// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace stats {

// The roles screen readers need for the statistics window's own widgets: the window is a
// window, the chart a chart, the keyboard a picture. Safe to call more than once.
void installAccessibleRoles();

}  // namespace stats
