#pragma once

#include <optional>

namespace oltrave {

// The wheel's zoom series 1, 2, 5, 10, 20, 50, ... both ways, limited to the
// values whose text fits the zoom box (0.001 to 50000).
// The next value after zoom towards smaller (direction < 0) or larger
// (direction > 0) zooms; a zoom off the series goes to the next value in that
// direction. Empty at the end of the series or for a zoom that is not a
// positive finite number.
std::optional<double> zoomStep(double zoom, int direction);

} // namespace oltrave
