// The list's rows: measured once each, and followed as the model changes.
#include <QEvent>
#include <QScrollBar>
#include <algorithm>
#include <vector>

#include "longlistview.h"
#include "steadyscrollbar.h"

namespace oltrave {

QSize LongListView::measure(int row) const {
    constexpr std::size_t kMostRemembered = 1 << 18;
    if (looks_) {
        const std::uint64_t look = looks_->rowLook(row);
        if (const auto known = sizesByLook_.find(look); known != sizesByLook_.end())
            return known->second;
        const QSize size = measured(model()->index(row, 0, rootIndex()));
        if (sizesByLook_.size() >= kMostRemembered)
            sizesByLook_.clear();
        sizesByLook_.emplace(look, size);
        return size;
    }
    const QModelIndex index = model()->index(row, 0, rootIndex());
    const QString text = index.data(Qt::DisplayRole).toString();
    if (const auto known = sizes_.constFind(text); known != sizes_.constEnd())
        return *known;
    const QSize size = measured(index);
    if (static_cast<std::size_t>(sizes_.size()) >= kMostRemembered)
        sizes_.clear();
    sizes_.insert(text, size);
    return size;
}

void LongListView::setModel(QAbstractItemModel* model) {
    looks_ = dynamic_cast<const RowLooks*>(model);
    sizesByLook_.clear();
    QListView::setModel(model);
}

QSize LongListView::measured(const QModelIndex& index) const {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QAbstractItemDelegate* delegate = itemDelegateForIndex(index);
    return delegate ? delegate->sizeHint(option, index) : QSize();
}

void LongListView::measureAll() {
    widths_.clear();
    widest_ = 0;
    if (!model())
        return; // a view gets its model after it is made
    const int rows = model()->rowCount(rootIndex());
    widths_.reserve(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row) {
        const QSize size = measure(row);
        widths_.push_back(size.width());
        widest_ = std::max(widest_, size.width());
        rowHeight_ = std::max(rowHeight_, size.height());
    }
}

void LongListView::changeEvent(QEvent* event) {
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        sizes_.clear();
        sizesByLook_.clear();
        rowHeight_ = 0;
        measureAll();
        scheduleDelayedItemsLayout();
    }
}

LongListView::Batch::Batch(LongListView& view) : view_(view) {
    ++view_.batches_;
}

LongListView::Batch::~Batch() {
    if (--view_.batches_ == 0 && view_.firstUnshown_ >= 0) {
        const int start = view_.firstUnshown_;
        view_.firstUnshown_ = -1;
        view_.showAddedRows(start);
    }
}

void LongListView::showAddedRows(int start) {
    const SteadyScrollBar::Hold holdVertical(*vertical_);
    const SteadyScrollBar::Hold holdHorizontal(*horizontal_);
    const bool follow = followsEnd_ && vertical_->value() == vertical_->maximum();
    updateGeometries();
    if (follow)
        vertical_->setValue(vertical_->maximum());
    // Only the new rows and those they pushed down change.
    const int top = start * rowHeight_ - verticalOffset();
    if (top < viewport()->height())
        viewport()->update(0, std::max(top, 0), viewport()->width(), viewport()->height());
}

void LongListView::rowsInserted(const QModelIndex& parent, int start, int end) {
    if (parent == rootIndex()) {
        std::vector<int> added;
        for (int row = start; row <= end; ++row) {
            const QSize size = measure(row);
            added.push_back(size.width());
            widest_ = std::max(widest_, size.width());
            rowHeight_ = std::max(rowHeight_, size.height());
        }
        widths_.insert(widths_.begin() + start, added.begin(), added.end());
        if (batches_ > 0)
            firstUnshown_ = firstUnshown_ < 0 ? start : std::min(firstUnshown_, start);
        else
            showAddedRows(start);
    }
    QAbstractItemView::rowsInserted(parent, start, end);
}

void LongListView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) {
    if (parent == rootIndex()) {
        const auto first = widths_.begin() + start;
        const auto last = widths_.begin() + end + 1;
        // Only losing the widest row can narrow the list.
        const bool widestGoes = std::find(first, last, widest_) != last;
        widths_.erase(first, last);
        if (widestGoes)
            widest_ = widths_.empty() ? 0 : *std::max_element(widths_.begin(), widths_.end());
        if (firstUnshown_ > start)
            firstUnshown_ = start;
        scheduleDelayedItemsLayout();
    }
    QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
}

void LongListView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                               const QList<int>& roles) {
    if (topLeft.parent() == rootIndex()) {
        const int last = std::min(bottomRight.row(), static_cast<int>(widths_.size()) - 1);
        for (int row = topLeft.row(); row <= last; ++row) {
            const QSize size = measure(row);
            widths_[static_cast<std::size_t>(row)] = size.width();
            rowHeight_ = std::max(rowHeight_, size.height());
        }
        widest_ = widths_.empty() ? 0 : *std::max_element(widths_.begin(), widths_.end());
        updateGeometries();
    }
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
}

} // namespace oltrave
