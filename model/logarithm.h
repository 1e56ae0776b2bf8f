#pragma once

#include <cmath>
#include <limits>

namespace oltrave {

// A logarithm (and an exponential of this family) needs a positive base other
// than 1. A NaN base is refused too.
template <typename Number> bool validBase(const Number& a) {
    return a > 0 && a != 1;
}

// log base a of v, NaN where it does not exist: v not positive, or a base that
// validBase refuses. Tested rather than left to the arithmetic: with a base of
// 0 the quotient by ln 0 = -inf would come out finite.
template <typename Number> Number logBase(const Number& v, const Number& a) {
    using std::log;
    if (!(v > 0) || !validBase(a))
        return Number(std::numeric_limits<double>::quiet_NaN());
    return log(v) / log(a);
}

} // namespace oltrave
