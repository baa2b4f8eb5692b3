// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/label.h"

#include "ui/look.h"

#include "base/text.h"
#include "ui/accessibility.h"

#include <QEvent>
#include <QFontInfo>
#include <QPainter>

namespace ui {

Label::Label(QWidget* parent, const char* name) : QWidget(parent) {
    installAccessibleRoles();
    setObjectName(QString::fromLatin1(name));
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

void Label::setup(const TwipRect& rect, std::string_view caption, const Font& font, Align align) {
    box_ = rect;
    placeControl(*this, rect);
    setFont(toQFont(font));
    align_ = align;
    setCaption(caption);
}

void Label::setCaption(std::string_view caption) {
    if (caption == caption_) {
        return;
    }
    caption_ = caption;
    shown_ = base::toDisplayLines(base::shownPart(caption_));
    updateAccessibleName();
    relayOut();
}

void Label::setPurpose(const char* purpose) {
    purpose_ = QString::fromUtf8(purpose);
    updateAccessibleName();
}

void Label::updateAccessibleName() {
    const QString caption = QString(shown_).replace(QLatin1Char('\n'), QLatin1Char(' ')).trimmed();
    if (purpose_.isEmpty()) {
        setAccessibleName(caption);
    } else {
        setAccessibleName(caption.isEmpty() ? purpose_ : purpose_ + QStringLiteral(": ") + caption);
    }
}

int Label::boxWidth() const {
    return twipsToPixels(box_.width);
}

void Label::relayOut() {
    painted_.reset();
    update();
    // A transparent, left-aligned label shows nothing right of its text, so it spans only
    // its text: a moving word then repaints no more than the word.
    const int fitted = transparent_ && align_ == Align::Left
                           ? std::min(boxWidth(), painted().layout.width + 2)
                           : boxWidth();
    if (fitted != width()) {
        resize(fitted, height());
    }
}

void Label::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        relayOut();
    }
    QWidget::changeEvent(event);
}

const Label::Painted& Label::painted() const {
    if (!painted_) {
        Painted p{layoutText(fontMetrics(), shown_, boxWidth()), {}, {}};
        for (const QString& line : p.layout.lines) {
            p.widths.push_back(fontMetrics().horizontalAdvance(line));
            QStaticText text(line);
            text.setTextFormat(Qt::PlainText);
            text.prepare(QTransform(), font());
            p.lines.push_back(std::move(text));
        }
        painted_ = std::move(p);
    }
    return *painted_;
}

void Label::setForeColour(Colour colour) {
    if (colour != fore_) {
        fore_ = colour;
        update();
    }
}

void Label::setBackColour(Colour colour) {
    if (colour != back_) {
        back_ = colour;
        update();
    }
}

void Label::setTransparent(bool transparent) {
    transparent_ = transparent;
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent);
    relayOut();
}

void Label::setLeft(int twips) {
    box_.left = twips;
    const int x = twipsToPixels(twips);
    if (x != pos().x()) {
        move(x, pos().y());
    }
}

TextLayout Label::textLayout() const {
    return painted().layout;
}

void Label::setHalo(bool halo) {
    if (halo_ != halo) {
        halo_ = halo;
        update();
    }
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!transparent_) {
        painter.fillRect(rect(), back_.toQColor());
    }
    painter.setFont(font());
    const Painted& p = painted();
    const QColor text = fore_.toQColor();
    const QColor edge = contrastRatio(text, Qt::black) >= contrastRatio(text, Qt::white)
                            ? QColor(Qt::black)
                            : QColor(Qt::white);
    const int width = QFontInfo(font()).pixelSize() >= 30 ? 2 : 1;
    int y = 0;
    for (std::size_t i = 0; i < p.lines.size(); ++i) {
        const int lineWidth = p.widths[i];
        int x = 0;
        if (align_ == Align::Centre) {
            x = (boxWidth() - lineWidth) / 2;
        } else if (align_ == Align::Right) {
            x = boxWidth() - lineWidth;
        }
        if (halo_) {
            painter.setPen(edge);
            for (int dx = -width; dx <= width; dx += width) {
                for (int dy = -width; dy <= width; dy += width) {
                    painter.drawStaticText(x + dx, y + dy, p.lines[i]);
                }
            }
        }
        painter.setPen(text);
        painter.drawStaticText(x, y, p.lines[i]);
        y += p.layout.lineHeight;
    }
}

}  // namespace ui
