// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/textlayout.h"

#include <algorithm>

namespace ui {

namespace {

QString withoutMnemonics(const QString& line) {
    QString plain;
    plain.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == QLatin1Char('&') && i + 1 < line.size()) {
            ++i;
        }
        plain.append(line[i]);
    }
    return plain;
}

// Splits a paragraph into pieces of a word and the spaces that follow it.
QStringList piecesOf(const QString& paragraph) {
    QStringList pieces;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < paragraph.size()) {
        while (i < paragraph.size() && paragraph[i] != QLatin1Char(' ')) {
            ++i;
        }
        while (i < paragraph.size() && paragraph[i] == QLatin1Char(' ')) {
            ++i;
        }
        pieces.append(paragraph.mid(start, i - start));
        start = i;
    }
    return pieces;
}

QString rightTrimmed(QString s) {
    while (s.endsWith(QLatin1Char(' '))) {
        s.chop(1);
    }
    return s;
}

}  // namespace

int lineWidth(const QFontMetrics& metrics, const QString& line, bool mnemonics) {
    return metrics.horizontalAdvance(mnemonics ? withoutMnemonics(line) : line);
}

TextLayout layoutText(const QFontMetrics& metrics, const QString& text, int width, bool mnemonics) {
    TextLayout layout;
    layout.lineHeight = metrics.height();
    const auto widthOf = [&](const QString& s) { return lineWidth(metrics, s, mnemonics); };
    const auto finish = [&](const QString& line) {
        // Spaces at the end of a line take no room.
        const QString shown = rightTrimmed(line);
        layout.lines.append(shown);
        layout.width = std::max(layout.width, widthOf(shown));
    };
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        for (const QString& piece : piecesOf(paragraph)) {
            const QString candidate = line + piece;
            if (!line.isEmpty() && widthOf(rightTrimmed(candidate)) > width) {
                finish(line);
                line = piece;
            } else {
                line = candidate;
            }
        }
        finish(line);
    }
    return layout;
}

}  // namespace ui
