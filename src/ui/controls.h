#pragma once

#include "ui/colour.h"
#include "ui/context.h"
#include "ui/font.h"
#include "ui/listmodel.h"
#include "ui/textlayout.h"
#include "ui/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStaticText>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The controls of the game's windows, with the semantics the window definitions give
// them: geometry in twips, texts as Windows-1252 bytes, handlers that Qt reaches only
// through the window's guard.
namespace ui {

using Handler = std::function<void()>;

// Every control carries its name as its objectName, so tests and accessibility tools find it.
void placeControl(QWidget& control, const TwipRect& rect);

enum class Align { Left, Centre, Right };

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
    Align align_ = Align::Left;
    TwipRect box_;
};

// A push button whose caption wraps at word boundaries onto as many lines as it holds.
class Button : public QPushButton {
    Q_OBJECT
public:
    Button(QWidget* parent, const char* name);

    void setup(const TwipRect& rect, std::string_view caption, const Font& font = kWindowFont);
    std::string caption() const;
    void setCaption(std::string_view caption);
    void onClick(Context& context, Handler handler);

    // The rectangle the caption is laid out in, and its lines there.
    QRect captionRect() const;
    TextLayout textLayout() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Key codes as the key-down handlers receive them.
enum KeyCode : int { kKeyDelete = 46 };

// A single-line text box. Its change handler runs synchronously on every real change of
// its text, typed or set by code, nested inside whatever set it; a set that changes
// nothing runs nothing.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    TextBox(QWidget* parent, const char* name);

    void setup(const TwipRect& rect, const Font& font, Align align = Align::Left);

    // The text as bytes; characters without a Windows-1252 code show as '?'.
    std::string text() const;
    // Exact comparison, code by code; a character Windows-1252 lacks never matches.
    bool textIs(std::string_view bytes) const;
    void setText(std::string_view bytes);

    // 0 means no limit. A limit applies to typing, not to what is already there.
    int maxLength() const { return maxLength_; }
    void setMaxLength(int length);

    void onChange(Context& context, Handler handler);
    void onKeyDown(Context& context, std::function<void(int keyCode, int shift)> handler);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyMaxLength(qsizetype kept);

    Context* context_ = nullptr;
    Handler change_;
    std::function<void(int, int)> keyDown_;
    int maxLength_ = 0;
};

// A multi-line text box; its text holds CR LF where the player sees a line break.
class MultiLineTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    enum class ScrollBars { None, Vertical };
    MultiLineTextBox(QWidget* parent, const char* name);

    void setup(const TwipRect& rect, ScrollBars bars, const Font& font = kWindowFont);
    std::string text() const;
    bool textIs(std::string_view bytes) const;
    void setText(std::string_view bytes);
    void onChange(Context& context, Handler handler);

private:
    QString shownWithCrLf() const;

    Context* context_ = nullptr;
    Handler change_;
    QString last_;
};

// A list box over a compact model; sorted or in order of arrival.
class ListBox : public QListView {
    Q_OBJECT
public:
    ListBox(QWidget* parent, const char* name, bool sorted);

    void setup(const TwipRect& rect, const Font& font = kWindowFont);
    ListModel& items() { return model_; }
    const ListModel& items() const { return model_; }
    // The selected entry, or -1.
    int listIndex() const;
    void setListIndex(int index);
    // Runs on every double click in the box, on an entry or not.
    void onDoubleClick(Context& context, Handler handler);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ListModel model_;
    Context* context_ = nullptr;
    Handler doubleClick_;
};

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
    void onTick(Context& context, Handler handler);

private:
    QTimer timer_;
};

}  // namespace ui
