#include "zoomseries.h"

#include <array>
#include <cmath>

namespace oltrave {

namespace {

constexpr int kSmallestPower = -3;
constexpr int kLargestPower = 4;
constexpr std::array<int, 3> kMantissas{1, 2, 5};

// m * 10^e as the zoom box reads its text: an integer product, or the
// correctly rounded quotient for negative powers.
double seriesValue(int mantissa, int power) {
    double scale = 1;
    for (int i = 0; i < std::abs(power); ++i)
        scale *= 10;
    return power < 0 ? mantissa / scale : mantissa * scale;
}

} // namespace

std::optional<double> zoomStep(double zoom, int direction) {
    if (!(zoom > 0) || !std::isfinite(zoom) || direction == 0)
        return std::nullopt;
    std::optional<double> best;
    for (int power = kSmallestPower; power <= kLargestPower; ++power) {
        for (int mantissa : kMantissas) {
            const double value = seriesValue(mantissa, power);
            if (direction < 0 && value < zoom && (!best || value > *best))
                best = value;
            if (direction > 0 && value > zoom && (!best || value < *best))
                best = value;
        }
    }
    return best;
}

} // namespace oltrave
