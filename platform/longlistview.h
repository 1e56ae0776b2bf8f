#pragma once

#include <QHash>
#include <QListView>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace oltrave {

class SteadyScrollBar;

// A list view for a list that only grows or empties and may hold hundreds of
// thousands of one-line items. QListView lays out and measures every row again
// whenever a row is added, so each addition costs time in proportion to the
// length. Here every row has the same height, each row's width is measured once
// when it arrives, and positions are arithmetic: adding, painting and hit
// testing cost the same at any length. Looks and behaves as the plain view.
class LongListView : public QListView {
    Q_OBJECT
public:
    explicit LongListView(QWidget* parent = nullptr);

    // A model that is also a RowLooks tells, for each row, a digest of how
    // the row looks: rows with equal digests are measured once, and a row is
    // known again straight from the model's own store, with no index, variant
    // or text read (tens of thousands come back at once on Undo). Two looks
    // sharing a 64-bit digest would share a width, no more.
    class RowLooks {
    public:
        virtual std::uint64_t rowLook(int row) const = 0;

    protected:
        ~RowLooks() = default;
    };

    void setModel(QAbstractItemModel* model) override;

    // Lines added while the last line is in view move the view along with
    // them, in the same step, so the scroll bar never shows the halfway state.
    void setFollowsEnd(bool follows) { followsEnd_ = follows; }

    // Lines added while a Batch lives are laid out, scrolled to and painted
    // once, when it ends: a command's lines move the view in one step.
    class Batch {
    public:
        explicit Batch(LongListView& view);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        LongListView& view_;
    };

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
    // Ranges, following and painting for the rows added from `start` on.
    void showAddedRows(int start);
    QSize measure(int row) const;
    QSize measured(const QModelIndex& index) const;
    void measureAll();
    int rowAt(int contentsY) const;
    // Rows that fit whole in the viewport.
    int rowsPerPage() const;
    int contentsWidth() const;
    // The row's rectangle in contents coordinates.
    QRect rowRect(int row) const;

    SteadyScrollBar* vertical_;
    SteadyScrollBar* horizontal_;
    bool followsEnd_ = false;
    int batches_ = 0;
    int firstUnshown_ = -1;   // the first row added in a batch, not yet shown
    std::vector<int> widths_; // per row, as the delegate sizes it
    // Sizes by text: lines that come back (Undo of a Clear, a session opened
    // again) and lines repeated are laid out once.
    mutable QHash<QString, QSize> sizes_;
    mutable std::unordered_map<std::uint64_t, QSize> sizesByLook_;
    const RowLooks* looks_ = nullptr;
    int rowHeight_ = 0;
    int widest_ = 0;
};

} // namespace oltrave
