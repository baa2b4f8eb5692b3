// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "base/collator.h"
#include "base/listitems.h"

#include <QAbstractListModel>

#include <memory>

namespace ui {

// The entries of a list box, kept compactly: one byte pool and an offset and length per
// entry, so that a word list of hundreds of thousands of words costs little more than its
// file. A sorted model inserts by binary search, after any equal entries.
class ListModel : public QAbstractListModel, public base::ListItems {
    Q_OBJECT
public:
    explicit ListModel(bool sorted, QObject* parent = nullptr);

    int count() const override { return static_cast<int>(spans_.size()); }
    std::string_view item(int index) const override;
    int emptyEntries() const override { return emptyEntries_; }
    void clear() override;
    int addItem(std::string_view entry) override;
    void removeItem(int index) override;
    void assignLines(base::TextLines&& lines) override;

    bool sorted() const { return collator_ != nullptr; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::unique_ptr<base::Collator> collator_;
    std::string pool_;
    std::vector<base::TextLines::Span> spans_;
    int emptyEntries_ = 0;
};

}  // namespace ui
