#include <cmath>

#include "factsupport.h"
#include "periodic.h"
#include "pieces.h"

namespace oltrave {

namespace {

struct TangentWave {
    template <typename Number> Number operator()(const Number& v) const {
        using std::tan;
        return tan(v);
    }
};

// Zeros where tan(ω x + φ) = -M / A, asymptotes where ω x + φ = π/2, each every π.
KeyPoints tangentKeyPoints(const Coefficients& coef, double reach) {
    return {phasePoints(coef, std::atan(-coef[3] / coef[0]), kPi, reach),
            {},
            phasePoints(coef, kPi / 2, kPi, reach)};
}

// The lines of y = A tan(ω x + φ) + M; the absolute-value modes do not apply.
void tangentLines(PlotContext& context) {
    const Real a = context.value(0);
    const Real omega = context.value(1);
    const Real phi = context.value(2);
    const Real m = context.value(3);

    const PeriodicValues& p = context.periodic();
    context.append(periodicFormula(" tan( ", a, omega, phi, m));
    // The tangent repeats every π / |ω|, half the sine's period.
    context.append(periodLine(fabs(p.hperiod)));
    context.append(propertyLine(piece::kRange) << "R");
    // qperiod is 0 when 2 ω overflowed; hperiod still carries the sign of ω.
    const Real centre = phaseHalfPi(p);
    appendEveryK(context, piece::kSymmetricCenter, centre, kTerm(p.qperiod, p.hperiod),
                 {everyK(pointMark(MarkKind::SymmetricCentre, centre, m), p.qperiod)});

    // One branch rises everywhere when A and ω share a sign, and falls otherwise.
    appendInterval(context, risesWithWave(a, omega) ? piece::kIncreasing : piece::kDecreasing,
                   phaseMinusHalfPi(p), phaseHalfPi(p), kTerm(p.hperiod), false, p.hperiod,
                   // Each branch starts at an asymptote.
                   [](double lo, double step) {
                       return std::vector<Mark>{
                           everyK(verticalMark(MarkKind::Asymptote, lo), step)};
                   });
}

} // namespace

extern const FamilyDescription kTangentFamily{
    .name = "tangent",
    .entry = "Tangent Function",
    .formulaTemplate = "y = A Tan ( ω x + φ ) + M",
    .captions = kPeriodicCaptions,
    .hasModes = false,
    .valid = amplitudeAndFrequency,
    .function = periodicValue<TangentWave, double>,
    .exactFunction = periodicValue<TangentWave, Real>,
    .sample = sampleCurve<periodicValue<TangentWave, double>>,
    .lines = tangentLines,
    .keyPoints = tangentKeyPoints,
    .facts = tangentFacts,
    .shapeBoundaries = tangentBoundaries,
    .angleBox = kPhaseBox,
};

} // namespace oltrave
