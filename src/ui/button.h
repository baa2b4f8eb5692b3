// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/control.h"
#include "ui/font.h"
#include "ui/guard.h"
#include "ui/textlayout.h"

#include <QPushButton>

#include <string>
#include <string_view>

namespace ui {

// A push button whose caption wraps at word boundaries onto as many lines as it holds.
class Button : public QPushButton {
    Q_OBJECT
public:
    Button(QWidget* parent, const char* name);

    void setup(const TwipRect& rect, std::string_view caption, const Font& font = kWindowFont);
    std::string caption() const;
    void setCaption(std::string_view caption);
    void onClick(Guard& guard, Handler handler);

    // The rectangle the caption is laid out in, and its lines there.
    QRect captionRect() const;
    TextLayout textLayout() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui
