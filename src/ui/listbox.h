// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/control.h"
#include "ui/font.h"
#include "ui/guard.h"
#include "ui/listmodel.h"

#include <QListView>

namespace ui {

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
    void onDoubleClick(Guard& guard, Handler handler);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ListModel model_;
    Guard* guard_ = nullptr;
    Handler doubleClick_;
};

}  // namespace ui
