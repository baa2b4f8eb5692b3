// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/listmodel.h"

#include "base/failure.h"
#include "base/linesort.h"
#include "base/text.h"

#include <algorithm>
#include <limits>

namespace ui {

ListModel::ListModel(bool sorted, QObject* parent)
    : QAbstractListModel(parent),
      collator_(sorted ? std::make_unique<base::Collator>() : nullptr) {}

std::string_view ListModel::item(int index) const {
    if (index < 0 || index >= count()) {
        return {};
    }
    const base::TextLines::Span span = spans_[static_cast<std::size_t>(index)];
    return std::string_view(pool_).substr(span.offset, span.length);
}

void ListModel::clear() {
    beginResetModel();
    spans_ = {};
    pool_ = {};
    emptyEntries_ = 0;
    endResetModel();
}

int ListModel::addItem(std::string_view entry) {
    if (pool_.size() + entry.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw base::Failure("De lijst is vol: er past geen item meer bij.");
    }
    int index = count();
    if (collator_) {
        // After every entry that is not greater, so equal entries keep their arrival order.
        const auto place = std::upper_bound(
            spans_.begin(), spans_.end(), entry,
            [this](std::string_view e, base::TextLines::Span s) {
                return collator_->compare(e, std::string_view(pool_).substr(s.offset, s.length)) <
                       0;
            });
        index = static_cast<int>(place - spans_.begin());
    }
    const base::TextLines::Span span{static_cast<std::uint32_t>(pool_.size()),
                                     static_cast<std::uint32_t>(entry.size())};
    pool_.append(entry);
    emptyEntries_ += entry.empty() ? 1 : 0;
    beginInsertRows(QModelIndex(), index, index);
    spans_.insert(spans_.begin() + index, span);
    endInsertRows();
    return index;
}

void ListModel::removeItem(int index) {
    if (index < 0 || index >= count()) {
        return;
    }
    beginRemoveRows(QModelIndex(), index, index);
    emptyEntries_ -= spans_[static_cast<std::size_t>(index)].length == 0 ? 1 : 0;
    spans_.erase(spans_.begin() + index);
    if (spans_.empty()) {
        pool_ = {};
    }
    endRemoveRows();
}

void ListModel::assignLines(base::TextLines&& lines) {
    if (collator_) {
        base::sortLines(lines, *collator_);
    }
    int empty = 0;
    for (const base::TextLines::Span span : lines.lines) {
        empty += span.length == 0 ? 1 : 0;
    }
    beginResetModel();
    pool_ = std::move(lines.text);
    spans_ = std::move(lines.lines);
    emptyEntries_ = empty;
    endResetModel();
}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) {
        return {};
    }
    return base::toQString(base::shownPart(item(index.row())));
}

}  // namespace ui
