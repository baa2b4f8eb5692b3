// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/button.h"

#include "base/text.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace ui {

Button::Button(QWidget* parent, const char* name) : QPushButton(parent) {
    setObjectName(QString::fromLatin1(name));
    // A focused button takes Enter, as the toolkit's buttons do.
    setAutoDefault(true);
}

void Button::setup(const TwipRect& rect, std::string_view caption, const Font& font) {
    placeControl(*this, rect);
    setFont(toQFont(font));
    setCaption(caption);
}

std::string Button::caption() const {
    return base::toBytesLossy(text());
}

void Button::setCaption(std::string_view caption) {
    setText(base::toQString(caption));
}

void Button::onClick(Guard& guard, Handler handler) {
    connect(this, &QPushButton::clicked, this,
            [&guard, handler = std::move(handler)] { guard.guard(handler); });
}

QRect Button::captionRect() const {
    return rect().adjusted(3, 2, -3, -2);
}

TextLayout Button::textLayout() const {
    return layoutText(fontMetrics(), text(), captionRect().width(), true);
}

void Button::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    // The caption's lines, centred in the button.
    const QRect box = captionRect();
    const TextLayout layout = textLayout();
    int y = box.top() + (box.height() - layout.height()) / 2;
    for (const QString& line : layout.lines) {
        painter.drawText(QRect(box.left(), y, box.width(), layout.lineHeight),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip | Qt::TextShowMnemonic,
                         line);
        y += layout.lineHeight;
    }
}

}  // namespace ui
