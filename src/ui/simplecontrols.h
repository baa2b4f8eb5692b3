// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/colour.h"
#include "ui/control.h"
#include "ui/font.h"
#include "ui/guard.h"

#include <QGroupBox>
#include <QLabel>
#include <QTimer>

#include <string_view>

namespace ui {

// A straight line between two points, in twips, drawn in a colour and a width in pixels.
class Line : public QWidget {
    Q_OBJECT
public:
    Line(QWidget* parent, const char* name);
    void setup(int x1, int y1, int x2, int y2, Colour colour, int widthPixels);
    int x1() const { return x1_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    Colour colour_ = kBlack;
    int width_ = 1;
};

// A frame that groups controls under a caption.
class Frame : public QGroupBox {
    Q_OBJECT
public:
    Frame(QWidget* parent, const char* name);
    void setup(const TwipRect& rect, std::string_view caption, const Font& font = kWindowFont);
};

// A picture stretched over its box; with a border it is a picture box that takes focus.
class Image : public QLabel {
    Q_OBJECT
public:
    Image(QWidget* parent, const char* name);
    void setup(const TwipRect& rect, const QPixmap& picture, bool sunkenBorder);
};

// A window timer: on and off from code, ticking on the interface thread.
class Timer : public QObject {
    Q_OBJECT
public:
    Timer(QObject* parent, const char* name);
    void setInterval(int milliseconds);
    int interval() const { return timer_.interval(); }
    bool enabled() const { return timer_.isActive(); }
    // Switching on starts a fresh interval, also when the timer runs already: a message
    // that follows another stays for its whole period.
    void setEnabled(bool enabled);
    // What is left of the running interval, in milliseconds; -1 when off.
    int remainingTime() const { return timer_.remainingTime(); }
    void onTick(Guard& guard, Handler handler);

private:
    QTimer timer_;
};

}  // namespace ui
