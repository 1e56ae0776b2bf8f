#pragma once

#include <optional>
#include <string>
#include <vector>

#include "drawncurve.h"

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

inline Mark pointMark(MarkKind kind, double x, double y) {
    return {kind, MarkShape::Point, x, y, 0, 0};
}
inline Mark verticalMark(MarkKind kind, double x) {
    return {kind, MarkShape::Vertical, x, 0, 0, 0};
}
inline Mark horizontalMark(MarkKind kind, double y) {
    return {kind, MarkShape::Horizontal, 0, y, 0, 0};
}
// The mark for every k ∈ Z: x + step * k, at height yOdd for odd k.
inline Mark everyK(Mark mark, double step, double yOdd) {
    mark.step = step;
    mark.yOdd = yOdd;
    return mark;
}
inline Mark everyK(Mark mark, double step) {
    return everyK(mark, step, mark.y);
}

// The stretch of curve an interval line names, (low, high), repeated every
// step when step is not 0.
struct Stretch {
    double low = 0;
    double high = 0;
    double step = 0;
};

inline Stretch stretch(double low, double high, double step = 0) {
    return {low, high, step};
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
