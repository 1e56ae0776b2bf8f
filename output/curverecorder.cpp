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
    return {static_cast<float>((x - scale_.x1) / (scale_.x2 - scale_.x1)),
            static_cast<float>((y - scale_.y1) / (scale_.y2 - scale_.y1))};
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
    const double step = std::fabs(scale_.x2 - scale_.x1) / (2 * PlotContext::kStepsPerHalfWidth);
    return last_.valid && x > last_.x && x - last_.x <= kGapInSteps * step;
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
void CurveRecorder::extend(const ViewPoint& p) {
    std::vector<ViewPoint>& kept = polylines_.back().points;
    if (kept.empty()) {
        kept.push_back(p);
        return;
    }
    const ViewPoint anchor = hasPending_ ? kept[kept.size() - 2] : kept.back();
    const double du = double(p.u) - anchor.u;
    const double dv = double(p.v) - anchor.v;
    const double distance = std::hypot(du, dv);
    const double angle = std::atan2(dv, du);
    if (hasPending_ && (angle < coneLow_ || angle > coneHigh_)) {
        // p cannot be reached in a straight stretch: the newest point stays.
        hasPending_ = false;
        extend(p);
        return;
    }
    if (hasPending_) {
        kept.back() = p;
    } else {
        kept.push_back(p);
        coneLow_ = -M_PI;
        coneHigh_ = M_PI;
        hasPending_ = true;
    }
    if (distance > kTolerance) {
        const double spread = std::asin(kTolerance / distance);
        coneLow_ = std::max(coneLow_, angle - spread);
        coneHigh_ = std::min(coneHigh_, angle + spread);
    }
}

void CurveRecorder::endLine() {
    if (open_)
        polylines_.back().points.shrink_to_fit();
    open_ = false;
    hasPending_ = false;
}

} // namespace oltrave
