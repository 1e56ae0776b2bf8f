#include "curverecorder.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/plotcontext.h"

namespace oltrave {

namespace {

bool finite(float v) {
    return std::fabs(v) <= std::numeric_limits<float>::max();
}

// A neighbour beyond the view is joined to the curve only when the step
// between them is no taller than the view: a larger one is a jump across a
// pole, not a stretch of curve.
constexpr double kLargestJoinedStep = 1.0;

// Samples lie one step of the sampling loop apart; a wider gap means the
// curve has no value in between.
constexpr double kGapInSteps = 1.5;

} // namespace

bool CurveRecorder::setScale(float x1, float y1, float x2, float y2) {
    if (!finite(x1) || !finite(y1) || !finite(x2) || !finite(y2) || x1 == x2 || y1 == y2)
        return false; // as the plotting area: the previous scale stays
    scale_ = {x1, y1, x2, y2};
    perX_ = 1 / (scale_.x2 - scale_.x1);
    perY_ = 1 / (scale_.y2 - scale_.y1);
    gap_ = kGapInSteps * std::fabs(scale_.x2 - scale_.x1) / (2 * PlotContext::kStepsPerHalfWidth);
    endLine();
    last_.valid = false;
    return true;
}

void CurveRecorder::clear() {
    segments_.clear();
    polylines_.clear();
    open_ = false;
    hasPending_ = false;
    last_.valid = false;
}

ViewPoint CurveRecorder::toView(double x, double y) const {
    return {static_cast<float>((x - scale_.x1) * perX_),
            static_cast<float>((y - scale_.y1) * perY_)};
}

bool CurveRecorder::inside(const ViewPoint& p) {
    return p.u >= 0 && p.u <= 1 && p.v >= 0 && p.v <= 1;
}

void CurveRecorder::line(float x1, float y1, float x2, float y2) {
    if (!finite(x1) || !finite(y1) || !finite(x2) || !finite(y2))
        return;
    segments_.push_back({toView(x1, y1), toView(x2, y2)});
}

void CurveRecorder::point(float x, float y, Colour colour) {
    const CanvasPoint one{x, y};
    CurveRecorder::points(&one, 1, colour);
}

void CurveRecorder::points(const CanvasPoint* first, std::size_t count, Colour colour) {
    for (const CanvasPoint* p = first; p != first + count; ++p) {
        if (finite(p->x) && finite(p->y))
            add(*p, colour);
    }
}

// Whether a sample at x continues the stretch of the last one.
bool CurveRecorder::follows(double x) const {
    return last_.valid && x > last_.x && x - last_.x <= gap_;
}

void CurveRecorder::add(const CanvasPoint& p, Colour colour) {
    const ViewPoint at = toView(p.x, p.y);
    const bool in = inside(at);
    const bool joined = follows(p.x) && std::fabs(at.v - last_.at.v) <= kLargestJoinedStep &&
                        (!open_ || polylines_.back().colour.packed == colour.packed);
    if (!joined || (!in && !last_.inside))
        endLine();
    if (in && !open_) {
        startLine(colour);
        if (joined && !last_.inside)
            extend(last_.at); // the curve comes in from beyond the view
    }
    if (open_)
        extend(at);
    if (!in)
        endLine(); // the curve goes out of the view
    last_ = {p.x, at, in, true};
}

void CurveRecorder::startLine(Colour colour) {
    polylines_.push_back({colour, {}});
    open_ = true;
    hasPending_ = false;
}

// Streaming simplification: the newest point stands at the end of the
// polyline, replacing the one before it, while the stretch from the last
// point kept for good to it passes within the tolerance of every point since.
// The cone is kept as its two edge directions: no trigonometry per point.
void CurveRecorder::extend(const ViewPoint& p) {
    std::vector<ViewPoint>& kept = polylines_.back().points;
    if (kept.empty()) {
        kept.push_back(p);
        return;
    }
    const ViewPoint anchor = hasPending_ ? kept[kept.size() - 2] : kept.back();
    const Direction d{double(p.u) - anchor.u, double(p.v) - anchor.v};
    if (hasPending_ && !cone_.holds(d)) {
        // p cannot be reached in a straight stretch: the newest point stays.
        hasPending_ = false;
        extend(p);
        return;
    }
    if (hasPending_) {
        kept.back() = p;
    } else {
        kept.push_back(p);
        cone_ = {};
        hasPending_ = true;
    }
    cone_.narrow(d, kTolerance);
}

double CurveRecorder::Direction::cross(const Direction& other) const {
    return x * other.y - y * other.x;
}

bool CurveRecorder::Cone::holds(const Direction& d) const {
    return open || (!empty && low.cross(d) >= 0 && d.cross(high) >= 0);
}

// Every later point must pass within tolerance of d's end: its direction
// lies within asin(tolerance / |d|) of d's either way.
void CurveRecorder::Cone::narrow(const Direction& d, double tolerance) {
    const double length = std::sqrt(d.x * d.x + d.y * d.y); // small numbers: no hypot
    if (length <= tolerance)
        return;
    const double inverse = 1 / length;
    const double s = tolerance * inverse;
    const double c = std::sqrt(1 - s * s);
    const Direction unit{d.x * inverse, d.y * inverse};
    const Direction lower{unit.x * c + unit.y * s, unit.y * c - unit.x * s};
    const Direction upper{unit.x * c - unit.y * s, unit.y * c + unit.x * s};
    if (open) {
        low = lower;
        high = upper;
        open = false;
        return;
    }
    if (low.cross(lower) > 0)
        low = lower;
    if (high.cross(upper) < 0)
        high = upper;
    empty = empty || low.cross(high) < 0;
}

void CurveRecorder::endLine() {
    if (open_)
        polylines_.back().points.shrink_to_fit();
    open_ = false;
    hasPending_ = false;
}

} // namespace oltrave
