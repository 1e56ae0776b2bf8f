#include <cmath>

#include "factsupport.h"
#include "periodic.h"

namespace oltrave {

namespace {

struct SineWave {
    template <typename Number> Number operator()(const Number& v) const {
        using std::sin;
        return sin(v);
    }
};

constexpr WaveFamily kSine{
    " sin( ",
    phaseHalfPi, // crests and troughs
    phaseZero,
    // From π/2 to 3π/2; equal endpoints leave this section bare when A > 0.
    {phaseHalfPi, phaseThreeHalvesPi, true},
    {phaseMinusHalfPi, phaseHalfPi, false},
};

} // namespace

// y = A sin(ω x + φ) + M; the absolute-value modes do not apply.
extern const FamilyDescription kSineFamily{
    .name = "sine",
    .entry = "Sine Function",
    .formulaTemplate = "y = A Sin ( ω x + φ ) + M",
    .captions = kPeriodicCaptions,
    .hasModes = false,
    .valid = amplitudeAndFrequency,
    .function = periodicValue<SineWave, double>,
    .exactFunction = periodicValue<SineWave, Real>,
    .sample = sampleCurve<periodicValue<SineWave, double>>,
    .lines = [](PlotContext& context) { waveLines(context, kSine); },
    .keyPoints = [](const Coefficients& coef,
                    double reach) { return waveKeyPoints(coef, reach, WaveShape::Sine); },
    .facts = sineFacts,
    .shapeBoundaries = waveBoundaries,
    .angleBox = kPhaseBox,
};

} // namespace oltrave
