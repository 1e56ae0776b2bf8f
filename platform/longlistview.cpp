#include "longlistview.h"

#include <QPaintEvent>
#include <QScrollBar>
#include <QStylePainter>
#include <algorithm>

#include "steadyscrollbar.h"

namespace oltrave {

LongListView::LongListView(QWidget* parent)
    : QListView(parent), vertical_(new SteadyScrollBar(Qt::Vertical)),
      horizontal_(new SteadyScrollBar(Qt::Horizontal)) {
    setVerticalScrollBar(vertical_);
    setHorizontalScrollBar(horizontal_);
    // The bars paint every pixel they cover; saying so spares repainting the
    // window behind them whenever the list grows.
    vertical_->setAttribute(Qt::WA_OpaquePaintEvent);
    horizontal_->setAttribute(Qt::WA_OpaquePaintEvent);
}

int LongListView::rowAt(int contentsY) const {
    if (rowHeight_ <= 0 || contentsY < 0)
        return -1;
    return contentsY / rowHeight_;
}

int LongListView::rowsPerPage() const {
    return rowHeight_ > 0 ? std::max(viewport()->height() / rowHeight_, 1) : 1;
}

int LongListView::contentsWidth() const {
    return widest_;
}

// Every row is as wide as the widest row or the viewport, whichever is wider,
// as in a plain list.
QRect LongListView::rowRect(int row) const {
    return {0, row * rowHeight_, std::max(contentsWidth(), viewport()->width()), rowHeight_};
}

QRect LongListView::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.parent() != rootIndex() || index.column() != 0 ||
        index.row() >= static_cast<int>(widths_.size()))
        return {};
    return rowRect(index.row()).translated(-horizontalOffset(), -verticalOffset());
}

QModelIndex LongListView::indexAt(const QPoint& point) const {
    const int row = rowAt(point.y() + verticalOffset());
    if (row < 0 || row >= static_cast<int>(widths_.size()))
        return {};
    const QModelIndex index = model()->index(row, 0, rootIndex());
    return visualRect(index).contains(point) ? index : QModelIndex();
}

int LongListView::horizontalOffset() const {
    const QScrollBar* bar = horizontalScrollBar();
    return isRightToLeft() ? bar->maximum() - bar->value() : bar->value();
}

int LongListView::verticalOffset() const {
    const int value = verticalScrollBar()->value();
    return verticalScrollMode() == ScrollPerItem ? value * rowHeight_ : value;
}

void LongListView::scrollContentsBy(int dx, int dy) {
    if (verticalScrollMode() == ScrollPerItem)
        dy *= rowHeight_;
    viewport()->scroll(isRightToLeft() ? -dx : dx, dy);
}

void LongListView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    const QRect rect = visualRect(index);
    if (!rect.isValid())
        return;
    const QRect area = viewport()->rect();
    const bool above = rect.top() < area.top();
    const bool below = rect.bottom() > area.bottom();
    if (hint == EnsureVisible && !above && !below && rect.left() >= area.left() &&
        rect.right() <= area.right())
        return;

    const int row = index.row();
    const bool perItem = verticalScrollMode() == ScrollPerItem;
    const int pageRows = rowsPerPage();
    int top = verticalScrollBar()->value(); // first row shown, in rows
    if (!perItem)
        top = rowHeight_ > 0 ? top / rowHeight_ : 0;
    if (hint == PositionAtTop || (hint == EnsureVisible && above))
        top = row;
    else if (hint == PositionAtBottom || (hint == EnsureVisible && below))
        top = row - pageRows + 1;
    else if (hint == PositionAtCenter)
        top = row - pageRows / 2;
    verticalScrollBar()->setValue(perItem ? top : top * rowHeight_);

    // A plain list also brings the row's start into view.
    if (rect.left() < area.left() || rect.right() > area.right()) {
        QScrollBar* bar = horizontalScrollBar();
        bar->setValue(bar->value() + std::min(rect.left(), rect.right() - area.width()));
    }
}

void LongListView::doItemsLayout() {
    // Skips the plain list's layout of every row: positions here need none.
    QAbstractItemView::doItemsLayout();
}

void LongListView::reset() {
    QListView::reset();
    measureAll();
    if (firstUnshown_ >= 0)
        firstUnshown_ = 0;
}

void LongListView::updateGeometries() {
    const int rows = static_cast<int>(widths_.size());
    if (geometry().isEmpty() || rows == 0 || rowHeight_ <= 0) {
        horizontalScrollBar()->setRange(0, 0);
        verticalScrollBar()->setRange(0, 0);
    } else {
        const QSize contents(contentsWidth(), rows * rowHeight_);
        const QSize view = viewport()->size();
        QScrollBar* vertical = verticalScrollBar();
        if (verticalScrollMode() == ScrollPerItem) {
            const int page = contents.height() <= view.height() ? rows + 1 : rowsPerPage();
            vertical->setSingleStep(1);
            vertical->setPageStep(page);
            vertical->setRange(0, rows - page);
        } else {
            vertical->setSingleStep(rowHeight_);
            vertical->setPageStep(view.height());
            vertical->setRange(0, contents.height() - view.height());
        }

        QScrollBar* horizontal = horizontalScrollBar();
        horizontal->setSingleStep(widths_.front());
        horizontal->setPageStep(view.width());
        // With both bars shown as needed, one bar taking room from the other
        // could make them appear and disappear in turn; decide once.
        const bool bothAuto = verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded &&
                              horizontalScrollBarPolicy() == Qt::ScrollBarAsNeeded;
        const int room =
            contents.height() > view.height() ? view.width() - vertical->width() : view.width();
        if (bothAuto && contents.width() <= room)
            horizontal->setRange(0, 0);
        else
            horizontal->setRange(0, contents.width() - view.width());
    }
    QAbstractItemView::updateGeometries();
}

void LongListView::paintEvent(QPaintEvent* event) {
    if (!itemDelegate() || widths_.empty())
        return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    QStylePainter painter(viewport());

    const QRect dirty = event->rect();
    const int rows = static_cast<int>(widths_.size());
    const int first = std::max(rowAt(dirty.top() + verticalOffset()), 0);
    const int last = std::min(rowAt(dirty.bottom() + verticalOffset()), rows - 1);

    const QModelIndex current = currentIndex();
    const QItemSelectionModel* selections = selectionModel();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const QStyle::State state = option.state;
    const bool enabled = (state & QStyle::State_Enabled) != 0;
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = model()->index(row, 0, rootIndex());
        option.rect = visualRect(index);
        option.state = state;
        if (selections && selections->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (enabled) {
            const bool itemEnabled = (model()->flags(index) & Qt::ItemIsEnabled) != 0;
            if (!itemEnabled)
                option.state &= ~QStyle::State_Enabled;
            option.palette.setCurrentColorGroup(itemEnabled ? QPalette::Normal
                                                            : QPalette::Disabled);
        }
        if (focus && current == index) {
            option.state |= QStyle::State_HasFocus;
            if (this->state() == EditingState)
                option.state |= QStyle::State_Editing;
        }
        if (alternatingRowColors()) {
            option.features.setFlag(QStyleOptionViewItem::Alternate, (row & 1) != 0);
            const QStyle::State withSelection = option.state;
            option.state &= ~QStyle::State_Selected;
            painter.drawPrimitive(QStyle::PE_PanelItemViewRow, option);
            option.state = withSelection;
        }
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

QModelIndex LongListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers) {
    const int rows = static_cast<int>(widths_.size());
    if (rows == 0)
        return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return model()->index(0, 0, rootIndex());
    const int page = std::max(rowsPerPage() - 1, 1);
    int row = current.row();
    switch (cursorAction) {
    case MoveUp:
    case MovePrevious: row -= 1; break;
    case MoveDown:
    case MoveNext: row += 1; break;
    case MovePageUp: row -= page; break;
    case MovePageDown: row += page; break;
    case MoveHome: row = 0; break;
    case MoveEnd: row = rows - 1; break;
    case MoveLeft:
    case MoveRight: break;
    }
    return model()->index(std::clamp(row, 0, rows - 1), 0, rootIndex());
}

void LongListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    if (!selectionModel())
        return;
    const int rows = static_cast<int>(widths_.size());
    const int width = std::max(contentsWidth(), viewport()->width());
    const QRect contents = rect.normalized().translated(horizontalOffset(), verticalOffset());
    const auto rowUnder = [&](int x, int y) {
        const int row = rowAt(y);
        return x >= 0 && x < width && row >= 0 && row < rows ? row : -1;
    };
    int top = -1;
    int bottom = -1;
    if (state() == DragSelectingState && (rect.width() > 1 || rect.height() > 1)) {
        // Every row the rubber band touches.
        if (contents.right() >= 0 && contents.left() < width) {
            top = std::max(rowAt(std::max(contents.top(), 0)), 0);
            bottom = std::min(rowAt(contents.bottom()), rows - 1);
        }
    } else {
        top = rowUnder(contents.left(), contents.top());
        bottom = rowUnder(contents.right(), contents.bottom());
    }
    QItemSelection selection;
    if (top >= 0 && bottom >= top)
        selection.select(model()->index(top, 0, rootIndex()),
                         model()->index(bottom, 0, rootIndex()));
    selectionModel()->select(selection, command);
}

QRegion LongListView::visualRegionForSelection(const QItemSelection& selection) const {
    QRegion region;
    const int firstShown = std::max(rowAt(verticalOffset()), 0);
    const int lastShown = rowAt(verticalOffset() + viewport()->height());
    for (const QItemSelectionRange& range : selection) {
        if (range.parent() != rootIndex() || range.left() > 0)
            continue;
        const int top = std::max(range.top(), firstShown);
        const int bottom = std::min(range.bottom(), lastShown);
        if (top > bottom)
            continue;
        const QRect first = visualRect(model()->index(top, 0, rootIndex()));
        const QRect last = visualRect(model()->index(bottom, 0, rootIndex()));
        region += first.united(last);
    }
    return region;
}

bool LongListView::isIndexHidden(const QModelIndex&) const {
    return false;
}

} // namespace oltrave
