#include <cmath>

#include "families.h"
#include "periodic.h"

namespace oltrave {

namespace {

constexpr WaveFamily kCosine{
    FunctionFamily::Cosine,
    " cos( ",
    [](double v) { return std::cos(v); },
    phaseZero, // crests and troughs
    phaseHalfPi,
    {phaseZero, phasePi, false},
    {phasePi, phaseTwoPi, false},
};

} // namespace

// y = A cos(ω x + φ) + M; the absolute-value modes do not apply.
void plotCosine(PlotContext& context) {
    plotWave(context, kCosine);
}

} // namespace oltrave
