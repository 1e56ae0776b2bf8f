#pragma once

#include <QListWidget>
#include <vector>

namespace oltrave {

// A list widget for a list that only grows or empties and may hold hundreds of
// thousands of one-line items. QListView lays out and measures every row again
// whenever a row is added, so each addition costs time in proportion to the
// length. Here every row has the same height, each row's width is measured once
// when it arrives, and positions are arithmetic: adding, painting and hit
// testing cost the same at any length. Looks and behaves as the plain widget.
class LongListView : public QListWidget {
    Q_OBJECT
public:
    explicit LongListView(QWidget* parent = nullptr);

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;
    void doItemsLayout() override;
    void reset() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    bool isIndexHidden(const QModelIndex& index) const override;
    void changeEvent(QEvent* event) override;

protected slots:
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;

private:
    QSize measure(int row) const;
    void measureAll();
    int rowAt(int contentsY) const;
    // Rows that fit whole in the viewport.
    int rowsPerPage() const;
    int contentsWidth() const;
    // The row's rectangle in contents coordinates.
    QRect rowRect(int row) const;

    std::vector<int> widths_; // per row, as the delegate sizes it
    int rowHeight_ = 0;
    int widest_ = 0;
};

} // namespace oltrave
