#pragma once

#include <cmath>
#include <limits>

namespace oltrave {

// log base a of v, NaN where it does not exist: v not positive, or a base that
// is not positive or is 1. Tested rather than left to the arithmetic: with a
// base of 0 the quotient by ln 0 = -inf would come out finite.
inline double logBase(double v, double a) {
    if (!(v > 0) || !(a > 0) || a == 1)
        return std::numeric_limits<double>::quiet_NaN();
    return std::log(v) / std::log(a);
}

} // namespace oltrave
