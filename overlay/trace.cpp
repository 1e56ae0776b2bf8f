#include "trace.h"

#include <algorithm>
#include <cmath>

#include "model/numtext.h"

namespace oltrave {

namespace {

constexpr int kMostDecimals = 15;
constexpr int kFarStep = 10;

} // namespace

int readoutDecimals(const Viewport& view) {
    return readoutDecimals(std::min(2 * view.zoom / view.width, 2 * view.zoom / view.height));
}

int readoutDecimals(double pixel) {
    if (!(pixel > 0) || !std::isfinite(pixel))
        return 0;
    const int decimals = static_cast<int>(std::ceil(-std::log10(pixel)));
    return std::clamp(decimals, 0, kMostDecimals);
}

double roundToDecimals(double v, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = v * scale;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 1e15)
        return v;
    return std::round(scaled) / scale + 0.0; // + 0.0: no negative zero
}

void Trace::hover(const Viewport& view, int column, int row) {
    if (!view.usable())
        return;
    shown_ = true;
    column_ = column;
    x_ = view.xAt(column);
    mouseY_ = view.yAt(row);
}

void Trace::move(Move move, const Viewport& view, std::size_t curveCount,
                 const std::vector<double>& markXs) {
    if (!view.usable())
        return;
    shown_ = true;
    // A pixel edge found again from x could land one pixel off; the pixel is kept.
    const bool onEdge = column_ && view.xAt(*column_) == x_;
    const int here = onEdge ? *column_ : view.column(x_);
    // From a point between two pixel edges, one step left lands on the edge
    // below it. A point beyond the view counts as the column just outside it.
    const bool outside = here < 0 || here >= view.width;
    const int left = !onEdge && !outside && view.xAt(here) < x_ ? here + 1 : here;
    int target = here;
    switch (move) {
    case Move::Left: target = left - 1; break;
    case Move::Right: target = here + 1; break;
    case Move::FarLeft: target = left - kFarStep; break;
    case Move::FarRight: target = here + kFarStep; break;
    case Move::Home: target = 0; break;
    case Move::End: target = view.width - 1; break;
    case Move::PreviousMark:
    case Move::NextMark: {
        std::optional<double> best;
        for (double mark : markXs) {
            const bool fits = move == Move::PreviousMark ? mark < x_ : mark > x_;
            const bool closer = !best || (move == Move::PreviousMark ? mark > *best : mark < *best);
            if (fits && closer)
                best = mark;
        }
        if (best) {
            x_ = *best;
            column_.reset();
        }
        return;
    }
    case Move::PreviousCurve:
    case Move::NextCurve: choice_.step(move == Move::PreviousCurve, curveCount); return;
    }
    column_ = std::clamp(target, 0, view.width - 1);
    x_ = view.xAt(*column_);
}

std::optional<Readout> Trace::readout(const Viewport& view,
                                      const std::vector<DrawnCurve>& curves) const {
    if (!shown_ || !view.usable())
        return std::nullopt;
    const std::optional<std::size_t> index = curve(curves.size());
    return readoutAt(x_, readoutDecimals(view), index ? &curves[*index] : nullptr, mouseY_);
}

Readout readoutAt(double x, int decimals, const DrawnCurve* curve, double mouseY) {
    Readout out;
    out.x = x;
    out.xText = numtext(roundToDecimals(x, decimals));
    if (curve) {
        out.onCurve = true;
        // f at the x the read-out writes, which Enter puts in the x box.
        out.y = curve->valueAt(numval(out.xText).value_or(x));
    } else {
        out.y = mouseY;
    }
    out.yText = out.y ? numtext(roundToDecimals(*out.y, decimals)) : "-";
    return out;
}

} // namespace oltrave
