#pragma once

#include <vector>

#include "model/analysisfacts.h"
#include "model/mark.h"

namespace oltrave {

// The rows of the analysis, in the order the panel shows them.
enum class AnalysisProperty {
    Domain,
    Range,
    Parity,
    Period,
    Zeros,
    YIntercept,
    Extrema,
    Increasing,
    Decreasing,
    Axes,
    Centres,
    Asymptotes,
    Inflections,
};

// What each row names on the plot of curve, as marked lines whose row is the
// row's place in the panel: the points and lines of the row, and for an
// interval the stretch of the curve over it (one line per interval). A row
// that names nothing on the plane (the parity of a function that has none)
// gives no line.
std::vector<MarkedLine> analysisMarkedLines(const Analysis& analysis, const DrawnCurve& curve);

// The lines the plot shows for the analysis: the selected rows', and with Key
// Points on those of the extrema, the asymptotes and the inflection points.
std::vector<MarkedLine> analysisLinesShown(const Analysis& analysis, const DrawnCurve& curve,
                                           const std::vector<int>& selectedRows, bool keyPoints);

} // namespace oltrave
