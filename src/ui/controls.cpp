#include "ui/controls.h"

#include "ui/accessibility.h"
#include "ui/text.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace ui {

namespace {

Qt::Alignment toQt(Align align) {
    switch (align) {
        case Align::Centre:
            return Qt::AlignHCenter;
        case Align::Right:
            return Qt::AlignRight;
        case Align::Left:
        default:
            return Qt::AlignLeft;
    }
}

int shiftState(Qt::KeyboardModifiers modifiers) {
    int shift = 0;
    if (modifiers & Qt::ShiftModifier) {
        shift |= 1;
    }
    if (modifiers & Qt::ControlModifier) {
        shift |= 2;
    }
    if (modifiers & Qt::AltModifier) {
        shift |= 4;
    }
    return shift;
}

// The toolkit's code of a key: the game's handlers only look for Delete.
int keyCodeOf(int qtKey) {
    return qtKey == Qt::Key_Delete ? kKeyDelete : 0;
}

}  // namespace

void placeControl(QWidget& control, const TwipRect& rect) {
    control.setGeometry(toPixels(rect));
}

// Label

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
    shown_ = toDisplayLines(shownPart(caption_));
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

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!transparent_) {
        painter.fillRect(rect(), back_.toQColor());
    }
    painter.setPen(fore_.toQColor());
    painter.setFont(font());
    const Painted& p = painted();
    int y = 0;
    for (std::size_t i = 0; i < p.lines.size(); ++i) {
        const int lineWidth = p.widths[i];
        int x = 0;
        if (align_ == Align::Centre) {
            x = (boxWidth() - lineWidth) / 2;
        } else if (align_ == Align::Right) {
            x = boxWidth() - lineWidth;
        }
        painter.drawStaticText(x, y, p.lines[i]);
        y += p.layout.lineHeight;
    }
}

// Button

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
    return toBytesLossy(text());
}

void Button::setCaption(std::string_view caption) {
    setText(toQString(caption));
}

void Button::onClick(Context& context, Handler handler) {
    connect(this, &QPushButton::clicked, this,
            [&context, handler = std::move(handler)] { context.guard(handler); });
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

// TextBox

TextBox::TextBox(QWidget* parent, const char* name) : QLineEdit(parent) {
    setObjectName(QString::fromLatin1(name));
    applyMaxLength(0);
    connect(this, &QLineEdit::textEdited, this, [this] {
        applyMaxLength(QLineEdit::text().size());
        if (change_ && context_) {
            context_->guard(change_);
        }
    });
}

void TextBox::setup(const TwipRect& rect, const Font& font, Align align) {
    placeControl(*this, rect);
    setFont(toQFont(font));
    QLineEdit::setAlignment(toQt(align) | Qt::AlignVCenter);
}

std::string TextBox::text() const {
    return toBytesLossy(QLineEdit::text());
}

bool TextBox::textIs(std::string_view bytes) const {
    // One character per byte: texts of different lengths never match.
    const QString text = QLineEdit::text();
    return static_cast<std::size_t>(text.size()) == bytes.size() && text == toQString(bytes);
}

void TextBox::setText(std::string_view bytes) {
    const QString text = toQString(bytes);
    if (text == QLineEdit::text()) {
        return;
    }
    {
        const QSignalBlocker blocker(this);
        applyMaxLength(text.size());
        QLineEdit::setText(text);
        applyMaxLength(text.size());
    }
    if (change_) {
        change_();
    }
}

void TextBox::setMaxLength(int length) {
    maxLength_ = length;
    applyMaxLength(QLineEdit::text().size());
}

void TextBox::applyMaxLength(qsizetype kept) {
    // Qt would cut the text to a new limit; the toolkit's text boxes keep what they hold
    // and only stop typing beyond the limit.
    QLineEdit::setMaxLength(maxLength_ > 0 ? std::max(maxLength_, static_cast<int>(kept)) : 32767);
}

void TextBox::onChange(Context& context, Handler handler) {
    context_ = &context;
    change_ = std::move(handler);
}

void TextBox::onKeyDown(Context& context, std::function<void(int, int)> handler) {
    context_ = &context;
    keyDown_ = std::move(handler);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    if (keyDown_ && context_) {
        const int code = keyCodeOf(event->key());
        const int shift = shiftState(event->modifiers());
        context_->guard([&] { keyDown_(code, shift); });
    }
    QLineEdit::keyPressEvent(event);
}

// MultiLineTextBox

MultiLineTextBox::MultiLineTextBox(QWidget* parent, const char* name) : QPlainTextEdit(parent) {
    setObjectName(QString::fromLatin1(name));
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        const QString now = shownWithCrLf();
        if (now == last_) {
            return;
        }
        last_ = now;
        if (change_ && context_) {
            context_->guard(change_);
        }
    });
}

void MultiLineTextBox::setup(const TwipRect& rect, ScrollBars bars, const Font& font) {
    placeControl(*this, rect);
    setFont(toQFont(font));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(bars == ScrollBars::Vertical ? Qt::ScrollBarAlwaysOn
                                                            : Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
}

QString MultiLineTextBox::shownWithCrLf() const {
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

std::string MultiLineTextBox::text() const {
    return toBytesLossy(shownWithCrLf());
}

bool MultiLineTextBox::textIs(std::string_view bytes) const {
    const QString text = shownWithCrLf();
    return static_cast<std::size_t>(text.size()) == bytes.size() && text == toQString(bytes);
}

void MultiLineTextBox::setText(std::string_view bytes) {
    if (textIs(bytes)) {
        return;
    }
    {
        const QSignalBlocker blocker(this);
        setPlainText(toDisplayLines(bytes));
        last_ = shownWithCrLf();
    }
    if (change_) {
        change_();
    }
}

void MultiLineTextBox::onChange(Context& context, Handler handler) {
    context_ = &context;
    change_ = std::move(handler);
}

// ListBox

ListBox::ListBox(QWidget* parent, const char* name, bool sorted)
    : QListView(parent), model_(sorted) {
    setObjectName(QString::fromLatin1(name));
    setModel(&model_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void ListBox::setup(const TwipRect& rect, const Font& font) {
    placeControl(*this, rect);
    setFont(toQFont(font));
}

int ListBox::listIndex() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ListBox::setListIndex(int index) {
    if (index < 0 || index >= model_.count()) {
        clearSelection();
        return;
    }
    setCurrentIndex(model_.index(index));
}

void ListBox::onDoubleClick(Context& context, Handler handler) {
    context_ = &context;
    doubleClick_ = std::move(handler);
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QListView::mouseDoubleClickEvent(event);
    // Only the primary button: a right- or middle-button double click is no command.
    if (event->button() == Qt::LeftButton && doubleClick_ && context_) {
        context_->guard(doubleClick_);
    }
}

// Line

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

// Frame

Frame::Frame(QWidget* parent, const char* name) : QGroupBox(parent) {
    setObjectName(QString::fromLatin1(name));
}

void Frame::setup(const TwipRect& rect, std::string_view caption, const Font& font) {
    placeControl(*this, rect);
    setFont(toQFont(font));
    setTitle(toQString(caption));
}

// Image

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

// Timer

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

void Timer::onTick(Context& context, Handler handler) {
    connect(&timer_, &QTimer::timeout, this,
            [&context, handler = std::move(handler)] { context.guard(handler); });
}

}  // namespace ui
