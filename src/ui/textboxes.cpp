// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/textboxes.h"

#include "base/text.h"

#include <QKeyEvent>

namespace ui {

namespace {

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

void ChangeHandler::set(Guard& guard, Handler handler) {
    guard_ = &guard;
    handler_ = std::move(handler);
}

void ChangeHandler::typed() const {
    if (handler_ && guard_) {
        guard_->guard(handler_);
    }
}

void ChangeHandler::setByCode() const {
    if (handler_) {
        handler_();
    }
}

TextBox::TextBox(QWidget* parent, const char* name) : QLineEdit(parent) {
    setObjectName(QString::fromLatin1(name));
    applyMaxLength(0);
    connect(this, &QLineEdit::textEdited, this, [this] {
        applyMaxLength(QLineEdit::text().size());
        change_.typed();
    });
}

void TextBox::setup(const TwipRect& rect, const Font& font, Align align) {
    placeControl(*this, rect);
    setFont(toQFont(font));
    QLineEdit::setAlignment(toQt(align) | Qt::AlignVCenter);
}

std::string TextBox::text() const {
    return base::toBytesLossy(QLineEdit::text());
}

bool TextBox::textIs(std::string_view bytes) const {
    // One character per byte: texts of different lengths never match.
    const QString text = QLineEdit::text();
    return static_cast<std::size_t>(text.size()) == bytes.size() && text == base::toQString(bytes);
}

void TextBox::setText(std::string_view bytes) {
    const QString text = base::toQString(bytes);
    if (text == QLineEdit::text()) {
        return;
    }
    {
        const QSignalBlocker blocker(this);
        applyMaxLength(text.size());
        QLineEdit::setText(text);
        applyMaxLength(text.size());
    }
    change_.setByCode();
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

void TextBox::onChange(Guard& guard, Handler handler) {
    change_.set(guard, std::move(handler));
}

void TextBox::onKeyDown(Guard& guard, std::function<void(int, int)> handler) {
    keyGuard_ = &guard;
    keyDown_ = std::move(handler);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    if (keyObserver_) {
        observe(*event);
    }
    if (keyDown_ && keyGuard_) {
        const int code = keyCodeOf(event->key());
        const int shift = shiftState(event->modifiers());
        keyGuard_->guard([&] { keyDown_(code, shift); });
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::observe(const QKeyEvent& event) const {
    const QString text = event.text();
    KeyPress press;
    press.place = hasSelectedText() ? selectionStart() : cursorPosition();
    press.correction = event.key() == Qt::Key_Backspace || event.key() == Qt::Key_Delete;
    press.intoEmptyBox = QLineEdit::text().isEmpty();
    // Control characters (Ctrl+A, Backspace's own) type nothing into a single-line box.
    if (!press.correction && !text.isEmpty() && text.front().isPrint()) {
        press.typed = text;
    }
    keyObserver_->keyPressed(press);
}

MultiLineTextBox::MultiLineTextBox(QWidget* parent, const char* name) : QPlainTextEdit(parent) {
    setObjectName(QString::fromLatin1(name));
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        const QString now = shownWithCrLf();
        if (now == last_) {
            return;
        }
        last_ = now;
        change_.typed();
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
    return base::toBytesLossy(shownWithCrLf());
}

bool MultiLineTextBox::textIs(std::string_view bytes) const {
    const QString text = shownWithCrLf();
    return static_cast<std::size_t>(text.size()) == bytes.size() && text == base::toQString(bytes);
}

void MultiLineTextBox::setText(std::string_view bytes) {
    if (textIs(bytes)) {
        return;
    }
    {
        const QSignalBlocker blocker(this);
        setPlainText(base::toDisplayLines(bytes));
        last_ = shownWithCrLf();
    }
    change_.setByCode();
}

void MultiLineTextBox::onChange(Guard& guard, Handler handler) {
    change_.set(guard, std::move(handler));
}

}  // namespace ui
