// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/colour.h"
#include "ui/control.h"
#include "ui/font.h"
#include "ui/textlayout.h"

#include <QStaticText>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// A label draws its caption itself, wrapped at word boundaries, on an opaque background
// unless it is transparent. Its left edge is kept in twips, so a moving word keeps its
// exact position while the screen shows the nearest pixel.
class Label : public QWidget {
    Q_OBJECT
public:
    Label(QWidget* parent, const char* name);

    void setup(const TwipRect& rect, std::string_view caption, const Font& font = kWindowFont,
               Align align = Align::Left);

    const std::string& caption() const { return caption_; }
    void setCaption(std::string_view caption);
    // What the label is for, as a screen reader names it together with the caption
    // ("Score: 1100"); a label without one is named by its caption alone.
    void setPurpose(const char* purpose);

    Colour foreColour() const { return fore_; }
    void setForeColour(Colour colour);
    Colour backColour() const { return back_; }
    void setBackColour(Colour colour);
    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent);
    // A thin edge around the letters, black or white, whichever stands out more from the
    // text's own colour: a text in a fixed colour then reads on any background.
    bool haloed() const { return halo_; }
    void setHalo(bool halo);

    int left() const { return box_.left; }
    void setLeft(int twips);
    // The label's box as the window places it. A transparent label's widget may be
    // narrower: it spans only its text.
    const TwipRect& box() const { return box_; }

    // The caption's lines as this label paints them.
    TextLayout textLayout() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The laid-out lines, kept between paints: a label repainted on every tick is shaped
    // only when its caption, font or size changes.
    struct Painted {
        TextLayout layout;
        std::vector<QStaticText> lines;
        std::vector<int> widths;
    };
    const Painted& painted() const;
    void relayOut();
    int boxWidth() const;

    void updateAccessibleName();

    std::string caption_;
    QString shown_;
    QString purpose_;
    mutable std::optional<Painted> painted_;
    Colour fore_ = kButtonText;
    Colour back_ = kButtonFace;
    bool transparent_ = false;
    bool halo_ = false;
    Align align_ = Align::Left;
    TwipRect box_;
};

}  // namespace ui
