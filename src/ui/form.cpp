// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/form.h"

#include "base/text.h"
#include "ui/accessibility.h"
#include "ui/placement.h"
#include "ui/twips.h"

#include <QKeyEvent>

namespace ui {

Form::Form(const char* name, Qt::WindowFlags flags, QWidget* parent) : QWidget(parent, flags) {
    installAccessibleRoles();
    setObjectName(QString::fromLatin1(name));
    setAutoFillBackground(true);
    setBackColour(kButtonFace);
}

std::string Form::caption() const {
    return base::toBytesLossy(windowTitle());
}

void Form::setCaption(std::string_view caption) {
    setWindowTitle(base::toQString(caption));
}

void Form::setBackColour(Colour colour) {
    back_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, colour.toQColor());
    setPalette(p);
}

void Form::setClientSize(int widthTwips, int heightTwips, bool fixed) {
    const QSize size(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    if (fixed) {
        setFixedSize(size);
    } else {
        resize(size);
    }
}

void Form::showForm() {
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    show();
}

void Form::showFormApart(QWidget& other, const QRect& keepFree) {
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    showApart(*this, other, keepFree);
}

void Form::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape && cancelButton_ && cancelButton_->isEnabled()) {
        cancelButton_->click();
        return;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && defaultButton_ &&
        defaultButton_->isEnabled()) {
        defaultButton_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

Qt::WindowFlags fixedDialogFrame() {
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
}

}  // namespace ui
