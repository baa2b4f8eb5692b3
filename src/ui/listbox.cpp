// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/listbox.h"

#include <QMouseEvent>

namespace ui {

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

void ListBox::onDoubleClick(Guard& guard, Handler handler) {
    guard_ = &guard;
    doubleClick_ = std::move(handler);
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QListView::mouseDoubleClickEvent(event);
    // Only the primary button: a right- or middle-button double click is no command.
    if (event->button() == Qt::LeftButton && doubleClick_ && guard_) {
        guard_->guard(doubleClick_);
    }
}

}  // namespace ui
