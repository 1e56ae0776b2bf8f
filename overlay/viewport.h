#pragma once

#include <cmath>

namespace oltrave {

// The plotting area's drawing rectangle in pixels and the square of the plane
// it shows, from -zoom to zoom both ways. A pixel stands for the plane values
// from its left (top) edge to the next pixel's.
struct Viewport {
    double zoom = 0;
    int width = 0;
    int height = 0;

    bool usable() const { return zoom > 0 && std::isfinite(zoom) && width > 0 && height > 0; }
    double xAt(int column) const { return -zoom + 2 * zoom * column / width; }
    double yAt(int row) const { return zoom - 2 * zoom * row / height; }
    int column(double x) const {
        return static_cast<int>(std::floor((x + zoom) * width / (2 * zoom)));
    }
    bool inside(double v) const { return std::fabs(v) <= zoom; }
};

} // namespace oltrave
