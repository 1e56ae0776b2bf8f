#pragma once

#include <array>
#include <optional>
#include <vector>

#include "real.h"

namespace oltrave {

// The whole textbook picture of one function: what the analysis panel, the
// analyse command and the worksheet show. Numbers carry their exact value
// beside the double when the coefficients had one.

// One x, or the family base + step * k for every whole k (step > 0).
struct XValue {
    Real base;
    std::optional<Real> step;
};

// An interval; an empty bound is -∞ or +∞. With a step, the interval repeats
// every step.
struct Span {
    std::optional<Real> from;
    std::optional<Real> to;
    bool closedFrom = false;
    bool closedTo = false;
    std::optional<Real> step;
};

enum class Parity { Neither, Even, Odd };
enum class ExtremumKind { Max, Min };
// Where f tends to a horizontal asymptote.
enum class Side { MinusInfinity, PlusInfinity, Both };

struct Extremum {
    ExtremumKind kind;
    XValue x;
    Real y;
};

struct CurvePoint {
    XValue x;
    Real y;
};

// A vertical line x = c, or a horizontal line y = level approached on side.
struct Asymptote {
    std::optional<XValue> vertical;
    Real level;
    Side side = Side::Both;
};

struct Analysis {
    std::vector<Span> domain;         // empty when domainExcept names the gaps
    std::vector<XValue> domainExcept; // every x but these
    std::vector<Span> range;
    Parity parity = Parity::Neither;
    std::optional<Real> period;
    std::vector<XValue> zeros;
    std::optional<Real> yIntercept;
    std::vector<Extremum> extrema;
    std::vector<Span> increasing;
    std::vector<Span> decreasing;
    std::vector<XValue> axes;
    std::vector<CurvePoint> centres;
    std::vector<Asymptote> asymptotes;
    std::vector<CurvePoint> inflections;
};

// Where f goes at an end of its domain that it never reaches.
struct EndLimit {
    enum class End { MinusInfinity, PlusInfinity, LeftOf, RightOf };
    End end;
    Real at;    // for LeftOf and RightOf
    Real value; // may be -inf or +inf
};

// What a family states about its f(x) in closed form. A periodic family
// states everything; for the others the range, the extrema and the value at
// 0 follow from the monotonic stretches and the limits, in every mode.
struct FunctionFacts {
    Analysis analysis;
    bool periodic = false;
    std::vector<EndLimit> limits;
    // The x of every centre of symmetry on the x axis, including those of a
    // line, which has one at every point and so lists none.
    std::vector<Real> zeroCentres;
    // A polynomial family's coefficients, constant first (degree 3 at most),
    // for closed-form intersections; none for the other families.
    std::optional<std::array<Real, 4>> polynomial;
};

} // namespace oltrave
