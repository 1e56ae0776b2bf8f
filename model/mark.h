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

// The stretch of curve an interval line names, (low, high), repeated every
// step when step is not 0.
struct Stretch {
    double low = 0;
    double high = 0;
    double step = 0;
};

// A result line that names something on the plot, with the curve it describes.
struct MarkedLine {
    int row = 0; // in the list, from 0
    std::string text;
    DrawnCurve curve;
    std::vector<Mark> marks;
    std::optional<Stretch> stretch;
};

} // namespace oltrave
