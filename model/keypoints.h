#pragma once

#include <vector>

#include "familytable.h"

namespace oltrave {

// Where a curve's notable points lie, by x, from the family's closed forms
// rather than from samples: exact wherever the arithmetic is.
struct KeyPoints {
    std::vector<double> zeros;      // y = 0
    std::vector<double> extrema;    // local maxima and minima, corners included
    std::vector<double> asymptotes; // vertical asymptotes
};

// Periodic curves over a wide view would list without end: each list stops at
// this many points.
inline constexpr std::size_t kMaxKeyPoints = 4096;

// The key points of the family's curve in the mode (f(x), |f(x)| or f(|x|),
// applied here once for every family) with x in [-reach, reach], each list in
// ascending order without repeats. Empty for invalid coefficients or an
// unknown mode.
KeyPoints keyPointsInMode(const FamilyDescription& family, AbsMode mode, const Coefficients& coef,
                          double reach);

} // namespace oltrave
