// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFontMetrics>
#include <QRect>
#include <QStringList>

namespace ui {

// Text laid out as the toolkit's labels and buttons lay it out: explicit line breaks,
// then wrapping at word boundaries onto as many lines as the width needs. A word wider
// than the box stays whole on its own line. With `mnemonics`, '&' marks an access key and
// takes no room ("&&" is a literal ampersand).
struct TextLayout {
    QStringList lines;
    int lineHeight = 0;
    int width = 0;  // the widest line
    int height() const { return lineHeight * static_cast<int>(lines.size()); }
};

TextLayout layoutText(const QFontMetrics& metrics, const QString& text, int width,
                      bool mnemonics = false);

// The advance width of a line as drawn, '&' access-key marks left out where asked.
int lineWidth(const QFontMetrics& metrics, const QString& line, bool mnemonics);

}  // namespace ui
