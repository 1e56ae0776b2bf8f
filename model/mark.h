#pragma once

#include <optional>
#include <string>
#include <vector>

#include "drawncurve.h"
#include "real.h"

namespace oltrave {

// What a mark stands for; the sound cues reuse zeros, extrema and asymptotes.
enum class MarkKind {
    Zero,
    ValueAtZero,
    Vertex,
    Extremum,
    SymmetricCentre,
    SymmetryAxis,
    Asymptote,
};

enum class MarkShape {
    Point,      // (x, y)
    Vertical,   // the line at x
    Horizontal, // the line at y
};

// A point or a line of the plane that a result line names. A line that holds
// for every k ∈ Z gives its instances at x + step * k, at height y for even k
// and yOdd for odd k; step 0 means a single instance.
struct Mark {
    MarkKind kind = MarkKind::Zero;
    MarkShape shape = MarkShape::Point;
    double x = 0;
    double y = 0;
    double step = 0;
    double yOdd = 0;
};

// Marks sit where the decimal numbers put them, whatever form the list writes.
inline double planeValue(double v) {
    return v;
}
inline double planeValue(const Real& v) {
    return v.value;
}

template <typename X, typename Y> Mark pointMark(MarkKind kind, const X& x, const Y& y) {
    return {kind, MarkShape::Point, planeValue(x), planeValue(y), 0, 0};
}
template <typename X> Mark verticalMark(MarkKind kind, const X& x) {
    return {kind, MarkShape::Vertical, planeValue(x), 0, 0, 0};
}
template <typename Y> Mark horizontalMark(MarkKind kind, const Y& y) {
    return {kind, MarkShape::Horizontal, 0, planeValue(y), 0, 0};
}
// The mark for every k ∈ Z: x + step * k, at height yOdd for odd k.
template <typename S, typename Y> Mark everyK(Mark mark, const S& step, const Y& yOdd) {
    mark.step = planeValue(step);
    mark.yOdd = planeValue(yOdd);
    return mark;
}
template <typename S> Mark everyK(Mark mark, const S& step) {
    return everyK(mark, step, mark.y);
}

// The stretch of curve an interval line names, (low, high), repeated every
// step when step is not 0.
struct Stretch {
    double low = 0;
    double high = 0;
    double step = 0;
};

template <typename L, typename H, typename S = double>
Stretch stretch(const L& low, const H& high, const S& step = 0) {
    return {planeValue(low), planeValue(high), planeValue(step)};
}

// A result line that names something on the plot, with the curve it describes.
struct MarkedLine {
    int row = 0; // in the list, from 0
    std::string text;
    DrawnCurve curve;
    std::vector<Mark> marks;
    std::optional<Stretch> stretch;
};

} // namespace oltrave
