#pragma once

#include <cmath>
#include <type_traits>

namespace oltrave {

// The absolute-value modes, written once for the curve and the point value.
template <int Mode> using AbsMode = std::integral_constant<int, Mode>;

// f at x in the mode: 0 f(x), 1 |f(x)|, 2 f(|x|). For a double or a number
// that carries an exact value beside it.
template <int Mode, typename Function, typename Number>
Number inMode(AbsMode<Mode>, const Function& f, const Number& x) {
    using std::fabs;
    if constexpr (Mode == 1)
        return fabs(f(x));
    else if constexpr (Mode == 2)
        return f(fabs(x));
    else
        return f(x);
}

// Calls visit with the mode as a compile-time constant, so that a loop over x
// chooses its mode once. False, and nothing called, for an unknown mode.
template <typename Visit> bool withMode(int mode, Visit&& visit) {
    switch (mode) {
    case 0: visit(AbsMode<0>{}); return true;
    case 1: visit(AbsMode<1>{}); return true;
    case 2: visit(AbsMode<2>{}); return true;
    }
    return false;
}

} // namespace oltrave
