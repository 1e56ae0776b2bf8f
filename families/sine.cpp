#include <cmath>

#include "families.h"
#include "periodic.h"

namespace oltrave {

namespace {

constexpr WaveFamily kSine{
    FunctionFamily::Sine,
    " sin( ",
    [](double v) { return std::sin(v); },
    phaseHalfPi, // crests and troughs
    phaseZero,
    // From π/2 to 3π/2; equal endpoints leave this section bare when A > 0.
    {phaseHalfPi, phaseThreeHalvesPi, true},
    {phaseMinusHalfPi, phaseHalfPi, false},
};

} // namespace

// y = A sin(ω x + φ) + M; the absolute-value modes do not apply.
void plotSine(PlotContext& context) {
    plotWave(context, kSine);
}

} // namespace oltrave
