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
    // The column x falls in; an x beyond an edge gives the column just outside
    // it, however far it lies (say, a point kept from a much wider view).
    int column(double x) const {
        const double at = std::floor((x + zoom) * width / (2 * zoom));
        if (!(at >= 0))
            return std::isnan(at) ? 0 : -1;
        return at >= width ? width : static_cast<int>(at);
    }
    bool inside(double v) const { return std::fabs(v) <= zoom; }
};

} // namespace oltrave
