#pragma once

#include <cmath>
#include <type_traits>

namespace oltrave {

// What a curve shows of its family's function.
enum class AbsMode : int {
    Plain = 0,      // f(x)
    OfValue = 1,    // |f(x)|
    OfArgument = 2, // f(|x|)
};

inline constexpr int kModeCount = 3;

// The mode's place among the radio buttons, and the number files and the
// command line write for it.
constexpr int modeIndex(AbsMode mode) {
    return static_cast<int>(mode);
}
// The mode at an index; an index out of range stays out of range, for the
// checks that refuse it.
constexpr AbsMode modeAt(int index) {
    return static_cast<AbsMode>(index);
}
constexpr bool knownMode(AbsMode mode) {
    return modeIndex(mode) >= 0 && modeIndex(mode) < kModeCount;
}

// The mode as a compile-time constant.
template <AbsMode Mode> using ModeConstant = std::integral_constant<AbsMode, Mode>;

// f at x in the mode. For a double or a number that carries an exact value
// beside it.
template <AbsMode Mode, typename Function, typename Number>
Number inMode(ModeConstant<Mode>, const Function& f, const Number& x) {
    using std::fabs;
    if constexpr (Mode == AbsMode::OfValue)
        return fabs(f(x));
    else if constexpr (Mode == AbsMode::OfArgument)
        return f(fabs(x));
    else
        return f(x);
}

// Calls visit with the mode as a compile-time constant, so that a loop over x
// chooses its mode once. False, and nothing called, for an unknown mode.
template <typename Visit> bool withMode(AbsMode mode, Visit&& visit) {
    switch (mode) {
    case AbsMode::Plain: visit(ModeConstant<AbsMode::Plain>{}); return true;
    case AbsMode::OfValue: visit(ModeConstant<AbsMode::OfValue>{}); return true;
    case AbsMode::OfArgument: visit(ModeConstant<AbsMode::OfArgument>{}); return true;
    }
    return false;
}

} // namespace oltrave
