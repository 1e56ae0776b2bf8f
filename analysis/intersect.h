#pragma once

#include <vector>

#include "model/analysisfacts.h"
#include "model/familytable.h"

namespace oltrave {

// One curve as drawn: its family, absolute-value mode and coefficients with
// their exact values beside them (none in decimal mode).
struct AnalysedCurve {
    const FamilyDescription* family = nullptr;
    AbsMode mode = AbsMode::Plain;
    RealCoefficients coef;
};

struct Intersection {
    Real x;
    Real y;
};

// Where two curves meet with |x| <= reach: points in ascending x, in closed
// form where lines and parabolas meet, and the stretches on which they
// coincide, cut to the same reach. Curves that are one and the same have
// neither, only sameCurve.
struct Intersections {
    std::vector<Intersection> points;
    std::vector<Span> overlaps;
    bool sameCurve = false;
};

// Both curves must be valid functions of their families.
Intersections intersect(const AnalysedCurve& a, const AnalysedCurve& b, double reach);

} // namespace oltrave
