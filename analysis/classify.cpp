#include "classify.h"

#include <algorithm>
#include <cmath>

#include "analysis.h"
#include "rows.h"

namespace oltrave {

namespace {

// More values of a k-family than a slider's range can show apart.
constexpr long kMostRepeats = 1000;

Monotony monotonyOf(bool rising) {
    return rising ? Monotony::Increasing : Monotony::Decreasing;
}

// Beside each other within rounding, where no exact value decides.
bool sameValue(const Real& a, const Real& b) {
    if (a.exact && b.exact)
        return (a.exact - b.exact).isZero();
    return std::fabs(a.value - b.value) <= 1e-9 * std::max(1.0, std::fabs(a.value));
}

// A value strictly between lo and hi: their middle when both are exact, else
// the simplest halving fraction near it, exact when asked for.
Real middle(const Real& lo, const Real& hi, bool exact) {
    if (lo.exact && hi.exact)
        return (lo + hi) / 2;
    const double m = lo.value + (hi.value - lo.value) / 2;
    if (!exact)
        return Real(m);
    for (long denominator = 1; denominator <= (1L << 40); denominator *= 2) {
        const double numerator = std::round(m * static_cast<double>(denominator));
        if (!(std::fabs(numerator) < 1e15))
            break;
        const double v = numerator / static_cast<double>(denominator);
        if (v > lo.value && v < hi.value)
            return {v, ExactValue::rational(static_cast<long>(numerator), denominator)};
    }
    return Real(m);
}

// The family's boundaries inside [from, to], ascending, each once, and
// whether there are more below and above the range.
struct Boundaries {
    std::vector<Real> inside;
    bool below = false;
    bool above = false;
};

Boundaries boundariesWithin(const FamilyDescription& family, const RealCoefficients& coef,
                            int parameter, double from, double to) {
    Boundaries result;
    std::vector<Real> found;
    if (!family.shapeBoundaries)
        return result;
    const auto inside = [&](const Real& v) { return v.value >= from && v.value <= to; };
    for (const XValue& x : family.shapeBoundaries(coef, parameter)) {
        if (!x.step) {
            if (inside(x.base))
                found.push_back(x.base);
            result.below = result.below || x.base.value < from;
            result.above = result.above || x.base.value > to;
            continue;
        }
        // A k-family goes on both ways.
        result.below = result.above = true;
        const Real& step = *x.step;
        if (!(step.value > 0))
            continue;
        const double first = std::ceil((from - x.base.value) / step.value);
        const double last = std::floor((to - x.base.value) / step.value);
        if (!(last - first < kMostRepeats))
            continue;
        for (auto k = static_cast<long>(first); k <= static_cast<long>(last); ++k) {
            const Real kth{static_cast<double>(k),
                           step.exact ? ExactValue::integer(k) : ExactValue()};
            const Real v = x.base + kth * step;
            if (inside(v))
                found.push_back(v);
        }
    }
    std::sort(found.begin(), found.end(),
              [](const Real& a, const Real& b) { return a.value < b.value; });
    std::vector<Real> unique;
    for (const Real& v : found) {
        if (!std::isfinite(v.value))
            continue;
        if (!unique.empty() && sameValue(unique.back(), v)) {
            // A closed form is worth keeping over a decimal.
            if (!unique.back().exact && v.exact)
                unique.back() = v;
            continue;
        }
        unique.push_back(v);
    }
    result.inside = std::move(unique);
    return result;
}

PieceBound bound(const Real& value, bool closed) {
    return {value, closed, numberText(value), nearestDouble(value)};
}

} // namespace

Shape shapeOf(const std::optional<Analysis>& analysis) {
    Shape shape;
    if (!analysis)
        return shape;
    const Analysis& an = *analysis;
    shape.function = true;
    shape.periodic = an.period.has_value();
    shape.zeros = static_cast<int>(an.zeros.size());
    shape.parity = an.parity;
    shape.asymptotes = static_cast<int>(an.asymptotes.size());
    for (const Extremum& e : an.extrema)
        shape.extrema.push_back(e.kind);
    // The stretches in ascending x; an empty start is -∞.
    std::vector<std::pair<const Span*, bool>> stretches;
    for (const Span& s : an.increasing)
        stretches.emplace_back(&s, true);
    for (const Span& s : an.decreasing)
        stretches.emplace_back(&s, false);
    std::stable_sort(stretches.begin(), stretches.end(), [](const auto& a, const auto& b) {
        const double x = a.first->from ? a.first->from->value : -INFINITY;
        const double y = b.first->from ? b.first->from->value : -INFINITY;
        return x < y;
    });
    for (const auto& [span, rising] : stretches)
        shape.monotony.push_back(monotonyOf(rising));
    if (shape.periodic) {
        std::sort(shape.extrema.begin(), shape.extrema.end());
        std::sort(shape.monotony.begin(), shape.monotony.end());
    }
    return shape;
}

ShapeClassification classifyShapes(const FamilyDescription& family, AbsMode mode,
                                   const RealCoefficients& coef, int parameter, double from,
                                   double to) {
    ShapeClassification result;
    result.parameter = parameter;
    result.from = std::min(from, to);
    result.to = std::max(from, to);
    if (parameter < 0 || parameter >= kBoxCount || !std::isfinite(from) || !std::isfinite(to))
        return result;
    const auto moving = static_cast<std::size_t>(parameter);
    const bool exact = coef[moving].exact.known();

    const auto shapeAt = [&](const Real& p) {
        RealCoefficients at = coef;
        at[moving] = p;
        return shapeOf(analyse(family, mode, at));
    };

    // Open stretches between the boundaries and the boundaries themselves, in
    // turn. A stretch ends at the range's end only where the closed forms
    // have boundaries beyond it; otherwise it goes on without one.
    const Boundaries boundaries = boundariesWithin(family, coef, parameter, result.from, result.to);
    const Real start(result.from);
    const Real end(result.to);
    std::vector<ShapePiece> raw;
    const auto addStretch = [&](const std::optional<PieceBound>& lo,
                                const std::optional<PieceBound>& hi) {
        const Real low = lo ? lo->value : start;
        const Real high = hi ? hi->value : end;
        if (!(low.value < high.value) && (lo || hi))
            return;
        raw.push_back({lo, hi, shapeAt(middle(low, high, exact))});
    };
    std::optional<PieceBound> low;
    if (boundaries.below)
        low = bound(start, true);
    for (const Real& b : boundaries.inside) {
        addStretch(low, bound(b, false));
        raw.push_back({bound(b, true), bound(b, true), shapeAt(b)});
        low = bound(b, false);
    }
    addStretch(low, boundaries.above ? std::optional<PieceBound>(bound(end, true)) : std::nullopt);

    // Neighbours of one shape are one piece: a boundary only where it changes.
    for (ShapePiece& piece : raw) {
        if (!result.pieces.empty() && result.pieces.back().shape == piece.shape) {
            result.pieces.back().to = std::move(piece.to);
            continue;
        }
        result.pieces.push_back(std::move(piece));
    }
    return result;
}

} // namespace oltrave
