#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "model/analysisfacts.h"

namespace oltrave::chart {

// A stretch of strict monotony; empty ends are -∞ and +∞.
struct Piece {
    std::optional<Real> from;
    std::optional<Real> to;
    bool rising = true;
};

// What the range and the extrema follow from: the function's monotonic
// stretches in order and where it goes at the ends it never reaches.
struct Chart {
    Analysis analysis; // domain, zeros, symmetry, asymptotes, inflections, parity
    std::vector<Piece> pieces;
    std::vector<EndLimit> limits;
    std::vector<Real> zeroCentres;
};

// -1, 0 or +1 as a is below, at or above b; exactly when both are exact.
int compare(const Real& a, const Real& b);

// The chart of f(x) from a non-periodic family's facts.
Chart fromFacts(const FunctionFacts& facts);

// |f(x)|; signAt gives f's sign at an x strictly inside a stretch.
Chart folded(const Chart& f, const std::function<int(double)>& signAt);
// f(|x|); origin is 0, exact when the coefficients are.
Chart mirrored(const Chart& f, const Real& origin);

} // namespace oltrave::chart
