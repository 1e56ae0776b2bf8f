#pragma once

#include <string>
#include <vector>

#include "model/canvas.h"
#include "model/mark.h"
#include "planeview.h"
#include "viewport.h"

namespace oltrave {

// One drawn instance of a mark.
struct MarkInstance {
    MarkShape shape = MarkShape::Point;
    double x = 0;
    double y = 0;
    int row = 0; // the list row of the line it belongs to
    bool highlighted = false;
    MarkKind kind = MarkKind::Zero;
};

// A line for every k ∈ Z beyond this many instances in the view would cover
// the area; none of its instances are drawn.
inline constexpr long kMostInstances = 1000;

// The lines of the curves the area still shows: marks of curves a Not a
// Function wiped away would stand on nothing.
std::vector<MarkedLine> linesOnCurves(const std::vector<MarkedLine>& lines,
                                      const std::vector<DrawnCurve>& curves);

// The instances of the lines' marks inside the view, in list order and, for a
// line that holds for every k, from left to right. A point is inside when both
// coordinates are, a line when its one coordinate is.
std::vector<MarkInstance> marksInView(const std::vector<MarkedLine>& lines, double zoom,
                                      const std::vector<int>& selectedRows);

// "point X , Y", "vertical X" or "horizontal Y", numbers as the list writes them.
std::string markText(const MarkInstance& mark);

// The same inside any region of the plane.
std::vector<MarkInstance> marksInView(const std::vector<MarkedLine>& lines,
                                      const PlaneRegion& region,
                                      const std::vector<int>& selectedRows);

// The instances of the marks of curve's lines inside region.
std::vector<MarkInstance> curveMarksInView(const std::vector<MarkedLine>& lines,
                                           const DrawnCurve& curve, const PlaneRegion& region);

// The x of every mark instance that has one (points and vertical lines).
std::vector<double> markXs(const std::vector<MarkInstance>& marks);

// Points along the stretches the selected interval lines name, about
// samplesPerPixel per pixel column of the view, for drawing over the curve.
std::vector<CanvasPoint> selectedStretches(const std::vector<MarkedLine>& lines,
                                           const std::vector<int>& selectedRows,
                                           const Viewport& view);

} // namespace oltrave
