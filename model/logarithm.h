#pragma once

#include <cmath>
#include <limits>

namespace oltrave {

// A logarithm (and an exponential of this family) needs a positive base other
// than 1. A NaN base is refused too.
inline bool validBase(double a) {
    return a > 0 && a != 1;
}

// log base a of v, NaN where it does not exist: v not positive, or a base that
// validBase refuses. Tested rather than left to the arithmetic: with a base of
// 0 the quotient by ln 0 = -inf would come out finite.
inline double logBase(double v, double a) {
    if (!(v > 0) || !validBase(a))
        return std::numeric_limits<double>::quiet_NaN();
    return std::log(v) / std::log(a);
}

} // namespace oltrave
