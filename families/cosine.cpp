#include <cmath>

#include "factsupport.h"
#include "periodic.h"

namespace oltrave {

namespace {

struct CosineWave {
    template <typename Number> Number operator()(const Number& v) const {
        using std::cos;
        return cos(v);
    }
};

constexpr WaveFamily kCosine{
    " cos( ",
    phaseZero, // crests and troughs
    phaseHalfPi, {phaseZero, phasePi, false}, {phasePi, phaseTwoPi, false},
};

} // namespace

// y = A cos(ω x + φ) + M; the absolute-value modes do not apply.
extern const FamilyDescription kCosineFamily{
    .name = "cosine",
    .entry = "Cosine Function",
    .formulaTemplate = "y = A Cos ( ω x + φ ) + M",
    .captions = kPeriodicCaptions,
    .hasModes = false,
    .valid = amplitudeAndFrequency,
    .function = periodicValue<CosineWave, double>,
    .exactFunction = periodicValue<CosineWave, Real>,
    .sample = sampleCurve<periodicValue<CosineWave, double>>,
    .lines = [](PlotContext& context) { waveLines(context, kCosine); },
    .keyPoints = [](const Coefficients& coef,
                    double reach) { return waveKeyPoints(coef, reach, WaveShape::Cosine); },
    .facts = cosineFacts,
    .shapeBoundaries = waveBoundaries,
    .angleBox = kPhaseBox,
};

} // namespace oltrave
