#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "planeview.h"

namespace oltrave {

struct PixelPoint {
    double x, y;
};

// A curve as polylines in view pixels: sampled once a pixel column, refined
// where it is steep, and broken where it has no value or leaps across a pole
// (a tangent's asymptote, a logarithm's edge) rather than joined there.
std::vector<std::vector<PixelPoint>>
sampleCurve(const std::function<std::optional<double>(double)>& f, const PlaneView& view);

// The parts of polylines inside the view grown by margin pixels each way, cut
// where they cross its edge: a painter strokes a line far beyond the picture
// at great cost.
std::vector<std::vector<PixelPoint>> clipToView(const std::vector<std::vector<PixelPoint>>& lines,
                                                const PlaneView& view, double margin);

} // namespace oltrave
