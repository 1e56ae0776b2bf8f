#include "planetrace.h"

#include <algorithm>
#include <cmath>

namespace oltrave {

namespace {

constexpr double kFarStep = 10; // pixels

} // namespace

void PlaneTrace::place(const PlaneView& view, double pixelX) {
    if (!view.usable())
        return;
    shown_ = true;
    x_ = view.xAt(pixelX);
}

void PlaneTrace::move(Trace::Move move, const PlaneView& view, std::size_t curveCount,
                      const std::vector<double>& markXs) {
    if (!view.usable())
        return;
    shown_ = true;
    // Steps go from pixel edge to pixel edge; a trace off the view comes
    // back at the nearer edge.
    const double last = view.width - 1;
    const double here = std::clamp(std::round(view.pixelX(x_)), 0.0, last);
    double target = here;
    switch (move) {
    case Trace::Move::Left: target = here - 1; break;
    case Trace::Move::Right: target = here + 1; break;
    case Trace::Move::FarLeft: target = here - kFarStep; break;
    case Trace::Move::FarRight: target = here + kFarStep; break;
    case Trace::Move::Home: target = 0; break;
    case Trace::Move::End: target = last; break;
    case Trace::Move::PreviousMark:
    case Trace::Move::NextMark: {
        const bool back = move == Trace::Move::PreviousMark;
        std::optional<double> best;
        for (double mark : markXs) {
            const bool fits = back ? mark < x_ : mark > x_;
            if (fits && (!best || (back ? mark > *best : mark < *best)))
                best = mark;
        }
        if (best)
            x_ = *best;
        return;
    }
    case Trace::Move::PreviousCurve:
    case Trace::Move::NextCurve:
        choice_.step(move == Trace::Move::PreviousCurve, curveCount);
        return;
    }
    x_ = view.xAt(std::clamp(target, 0.0, last));
}

std::optional<Readout> PlaneTrace::readout(const PlaneView& view,
                                           const std::vector<DrawnCurve>& curves) const {
    const std::optional<std::size_t> index = curve(curves.size());
    if (!shown_ || !view.usable() || !index)
        return std::nullopt;
    return readoutAt(x_, readoutDecimals(std::min(view.unitX, view.unitY)), &curves[*index], 0);
}

} // namespace oltrave
