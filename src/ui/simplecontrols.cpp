// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/simplecontrols.h"

#include "base/text.h"
#include "ui/accessibility.h"

#include <QPainter>

namespace ui {

Line::Line(QWidget* parent, const char* name) : QWidget(parent) {
    installAccessibleRoles();
    setObjectName(QString::fromLatin1(name));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::setup(int x1, int y1, int x2, int y2, Colour colour, int widthPixels) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    colour_ = colour;
    width_ = widthPixels;
    // The pen is centred on the line: the widget reaches half the width beyond each end.
    const int before = widthPixels / 2;
    const int left = twipsToPixels(std::min(x1, x2)) - before;
    const int top = twipsToPixels(std::min(y1, y2)) - before;
    const int right = twipsToPixels(std::max(x1, x2)) + (widthPixels - before);
    const int bottom = twipsToPixels(std::max(y1, y2)) + (widthPixels - before);
    setGeometry(left, top, right - left, bottom - top);
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (x1_ == x2_ || y1_ == y2_) {
        painter.fillRect(rect(), colour_.toQColor());
        return;
    }
    const QPoint from(twipsToPixels(x1_) - x(), twipsToPixels(y1_) - y());
    const QPoint to(twipsToPixels(x2_) - x(), twipsToPixels(y2_) - y());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour_.toQColor(), width_));
    painter.drawLine(from, to);
}

Frame::Frame(QWidget* parent, const char* name) : QGroupBox(parent) {
    setObjectName(QString::fromLatin1(name));
}

void Frame::setup(const TwipRect& rect, std::string_view caption, const Font& font) {
    placeControl(*this, rect);
    setFont(toQFont(font));
    setTitle(base::toQString(caption));
}

Image::Image(QWidget* parent, const char* name) : QLabel(parent) {
    setObjectName(QString::fromLatin1(name));
}

void Image::setup(const TwipRect& rect, const QPixmap& picture, bool sunkenBorder) {
    placeControl(*this, rect);
    setPixmap(picture);
    if (sunkenBorder) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setFocusPolicy(Qt::TabFocus);
    } else {
        setScaledContents(true);
    }
}

Timer::Timer(QObject* parent, const char* name) : QObject(parent) {
    setObjectName(QString::fromLatin1(name));
    timer_.setTimerType(Qt::PreciseTimer);
}

void Timer::setInterval(int milliseconds) {
    timer_.setInterval(milliseconds);
}

void Timer::setEnabled(bool enabled) {
    if (enabled) {
        timer_.start();
    } else {
        timer_.stop();
    }
}

void Timer::onTick(Guard& guard, Handler handler) {
    connect(&timer_, &QTimer::timeout, this,
            [&guard, handler = std::move(handler)] { guard.guard(handler); });
}

}  // namespace ui
