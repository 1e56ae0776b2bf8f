#include "sheetlayout.h"

#include <algorithm>
#include <numeric>

namespace oltrave {

namespace {

// Lays blocks from first on, down one column of a page, from top; returns the
// index after the last one that fits (at least one, so a block taller than a
// page still moves on).
std::size_t fillColumn(const std::vector<double>& heights, std::size_t first, double top,
                       double bottom) {
    std::size_t i = first;
    double y = top;
    while (i < heights.size() && (y + heights[i] <= bottom || i == first)) {
        y += heights[i];
        ++i;
    }
    return i;
}

double sum(const std::vector<double>& heights, std::size_t from, std::size_t to) {
    return std::accumulate(heights.begin() + static_cast<std::ptrdiff_t>(from),
                           heights.begin() + static_cast<std::ptrdiff_t>(to), 0.0);
}

// The split of heights[from, to) into two columns whose taller one is the
// shortest: the first column never shorter than the second, as a reader expects.
std::size_t evenSplit(const std::vector<double>& heights, std::size_t from, std::size_t to) {
    std::size_t best = to;
    double bestHeight = sum(heights, from, to);
    for (std::size_t k = from + 1; k < to; ++k) {
        const double left = sum(heights, from, k);
        const double right = sum(heights, k, to);
        if (left >= right && left < bestHeight) {
            best = k;
            bestHeight = left;
        }
    }
    return best;
}

class Flow {
public:
    Flow(const SheetFrame& frame, SheetPlan& plan)
        : frame_(frame), plan_(plan), y_(frame.firstTop) {}

    // One column from y on; the page's end moves to a new page.
    void single(const std::vector<double>& heights, std::vector<Placement>& out) {
        std::size_t i = 0;
        while (i < heights.size()) {
            const std::size_t end = fillColumn(heights, i, y_, frame_.height);
            if (end == i + 1 && y_ > top() && y_ + heights[i] > frame_.height) {
                nextPage();
                continue;
            }
            for (; i < end; ++i) {
                out.push_back({page_, 0, y_, frame_.width});
                y_ += heights[i];
            }
            if (i < heights.size())
                nextPage();
        }
    }

    void twoColumns(const std::vector<double>& heights, std::vector<Placement>& out) {
        const double width = halfWidth(frame_);
        const double right = width + frame_.columnGap;
        std::size_t i = 0;
        while (i < heights.size()) {
            const std::size_t leftEnd = fillColumn(heights, i, y_, frame_.height);
            std::size_t split = leftEnd;
            std::size_t end = leftEnd < heights.size()
                                  ? fillColumn(heights, leftEnd, y_, frame_.height)
                                  : leftEnd;
            if (end == heights.size())
                split = evenSplit(heights, i, end);
            double y = y_;
            double lowest = y_;
            for (; i < end; ++i) {
                if (i == split)
                    y = y_;
                out.push_back({page_, i < split ? 0.0 : right, y, width});
                y += heights[i];
                lowest = std::max(lowest, y);
            }
            if (i < heights.size())
                nextPage();
            else
                y_ = lowest;
        }
    }

private:
    double top() const { return page_ == 0 ? frame_.firstTop : 0; }
    void nextPage() {
        ++page_;
        y_ = 0;
        plan_.pages = page_ + 1;
    }

    const SheetFrame& frame_;
    SheetPlan& plan_;
    int page_ = 0;
    double y_;
};

} // namespace

double halfWidth(const SheetFrame& frame) {
    return (frame.width - frame.columnGap) / 2;
}

bool wantsTwoColumns(const SheetFrame& frame, const std::vector<double>& lineWidths,
                     double lineHeight) {
    const double room = frame.height - frame.firstTop;
    if (static_cast<double>(lineWidths.size()) * lineHeight <= room)
        return false;
    const double half = halfWidth(frame);
    return std::all_of(lineWidths.begin(), lineWidths.end(),
                       [half](double w) { return w <= half; });
}

SheetPlan planSheet(const SheetFrame& frame, const std::vector<double>& lineHeights,
                    bool twoColumns, const std::vector<double>& rowHeights) {
    SheetPlan plan;
    plan.twoColumns = twoColumns;
    Flow flow(frame, plan);
    if (twoColumns)
        flow.twoColumns(lineHeights, plan.lines);
    else
        flow.single(lineHeights, plan.lines);
    flow.single(rowHeights, plan.rows);
    return plan;
}

} // namespace oltrave
