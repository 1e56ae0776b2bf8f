#include "keypoints.h"

#include <algorithm>
#include <cmath>

#include "model/numtext.h"
#include "model/plotcontext.h"

namespace oltrave {

namespace {

constexpr int kSamplesPerPixel = 2;
constexpr double kLargestK = 9007199254740992.0; // 2^53

bool selected(const std::vector<int>& rows, int row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

// The k whose x + step * k lies inside [low, high], smallest x first; none
// when they are too many or the step cannot be used.
struct KRange {
    long first = 0;
    long last = -1;
    long direction = 1;
};

bool within(double v, double low, double high) {
    return low <= v && v <= high;
}

KRange kInView(double x, double step, double lowEnd, double highEnd) {
    KRange range;
    if (!std::isfinite(step) || !std::isfinite(x))
        return range;
    if (step == 0) {
        if (within(x, lowEnd, highEnd))
            range.last = 0;
        return range;
    }
    const double low = std::ceil((lowEnd - x) / std::fabs(step));
    const double high = std::floor((highEnd - x) / std::fabs(step));
    // Beyond 2^53 neighbouring k are one double: such instances cannot be
    // counted, nor told apart.
    if (!(high >= low) || high - low >= kMostInstances || std::fabs(low) > kLargestK ||
        std::fabs(high) > kLargestK)
        return range;
    // With a negative step the k run the other way for x to grow.
    range.direction = step > 0 ? 1 : -1;
    range.first = static_cast<long>(low) * range.direction;
    range.last = static_cast<long>(high) * range.direction;
    return range;
}

void addInstances(const Mark& mark, int row, bool highlighted, const PlaneRegion& region,
                  std::vector<MarkInstance>& out) {
    const KRange range = kInView(mark.x, mark.shape == MarkShape::Horizontal ? 0 : mark.step,
                                 region.left, region.right);
    const long count = (range.last - range.first) * range.direction + 1;
    for (long i = 0; i < count; ++i) {
        const long k = range.first + i * range.direction;
        MarkInstance instance{mark.shape,
                              mark.x + mark.step * static_cast<double>(k),
                              k % 2 == 0 ? mark.y : mark.yOdd,
                              row,
                              highlighted,
                              mark.kind};
        const bool insideX = within(instance.x, region.left, region.right);
        const bool insideY = within(instance.y, region.bottom, region.top);
        const bool inside = mark.shape == MarkShape::Point      ? insideX && insideY
                            : mark.shape == MarkShape::Vertical ? insideX
                                                                : insideY;
        if (inside)
            out.push_back(instance);
    }
}

} // namespace

std::vector<MarkedLine> linesOnCurves(const std::vector<MarkedLine>& lines,
                                      const std::vector<DrawnCurve>& curves) {
    std::vector<MarkedLine> shown;
    for (const MarkedLine& line : lines) {
        if (std::find(curves.begin(), curves.end(), line.curve) != curves.end())
            shown.push_back(line);
    }
    return shown;
}

std::vector<MarkInstance> marksInView(const std::vector<MarkedLine>& lines, double zoom,
                                      const std::vector<int>& selectedRows) {
    if (!(zoom > 0))
        return {};
    return marksInView(lines, PlaneRegion{-zoom, zoom, -zoom, zoom}, selectedRows);
}

std::vector<MarkInstance> marksInView(const std::vector<MarkedLine>& lines,
                                      const PlaneRegion& region,
                                      const std::vector<int>& selectedRows) {
    std::vector<MarkInstance> out;
    for (const MarkedLine& line : lines) {
        const bool highlighted = selected(selectedRows, line.row);
        for (const Mark& mark : line.marks) {
            if (mark.shape == MarkShape::Horizontal) {
                // A horizontal line has no x to repeat along.
                MarkInstance instance{mark.shape, 0, mark.y, line.row, highlighted, mark.kind};
                if (within(mark.y, region.bottom, region.top))
                    out.push_back(instance);
            } else {
                addInstances(mark, line.row, highlighted, region, out);
            }
        }
    }
    return out;
}

std::vector<MarkInstance> curveMarksInView(const std::vector<MarkedLine>& lines,
                                           const DrawnCurve& curve, const PlaneRegion& region) {
    std::vector<MarkedLine> own;
    for (const MarkedLine& line : lines) {
        if (line.curve == curve)
            own.push_back(line);
    }
    return marksInView(own, region, {});
}

std::string markText(const MarkInstance& mark) {
    switch (mark.shape) {
    case MarkShape::Point: return "point " + numtext(mark.x) + " , " + numtext(mark.y);
    case MarkShape::Vertical: return "vertical " + numtext(mark.x);
    case MarkShape::Horizontal: return "horizontal " + numtext(mark.y);
    }
    return {};
}

std::vector<double> markXs(const std::vector<MarkInstance>& marks) {
    std::vector<double> xs;
    for (const MarkInstance& mark : marks) {
        if (mark.shape != MarkShape::Horizontal)
            xs.push_back(mark.x);
    }
    return xs;
}

std::vector<CanvasPoint> selectedStretches(const std::vector<MarkedLine>& lines,
                                           const std::vector<int>& selectedRows,
                                           const Viewport& view) {
    std::vector<CanvasPoint> out;
    if (!view.usable())
        return out;
    const double zoom = view.zoom;
    const double sample = 2 * zoom / (view.width * kSamplesPerPixel);
    for (const MarkedLine& line : lines) {
        if (!line.stretch || !selected(selectedRows, line.row))
            continue;
        const Stretch& s = *line.stretch;
        // A repeated interval is finite: its instances are those whose middle
        // lies within half its length of the view.
        KRange range;
        range.last = 0;
        if (s.step != 0) {
            const double half = std::fabs(s.high - s.low) / 2;
            range = kInView(s.low + half, s.step, -(zoom + half), zoom + half);
        }
        const long count = (range.last - range.first) * range.direction + 1;
        for (long i = 0; i < count; ++i) {
            const double shift = s.step * static_cast<double>(range.first + i * range.direction);
            const double low = std::max(s.low + shift, -zoom);
            const double high = std::min(s.high + shift, zoom);
            for (double x = low + sample / 2; x < high; x += sample) {
                const std::optional<double> y = line.curve.valueAt(x);
                if (y && PlotContext::drawable(x, *y))
                    out.push_back({static_cast<float>(x), static_cast<float>(*y)});
            }
        }
    }
    return out;
}

} // namespace oltrave
