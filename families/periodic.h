#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "model/keypoints.h"
#include "model/plotcontext.h"
#include "model/resultline.h"

namespace oltrave {

// What the sine, cosine and tangent families share.

namespace piece {
inline constexpr std::string_view kForEveryK = "( k ∈ Z )";
} // namespace piece

inline constexpr std::array<std::string_view, kBoxCount> kPeriodicCaptions{
    "A =", "ω =", "φ =", "M ="};
inline constexpr int kPhaseBox = 2; // φ

// A function needs an amplitude and a frequency.
inline bool amplitudeAndFrequency(const Coefficients& coef) {
    return coef[0] != 0 && coef[1] != 0;
}

// A Wave(ω x + φ) + M, each product first; for the double of the curve and
// for the number with its exact value beside it.
template <typename Wave, typename Number>
Number periodicValue(const std::array<Number, kBoxCount>& c, Number x) {
    return Wave{}(x * c[1] + c[2]) * c[0] + c[3];
}

// Whether the curve rises where the wave itself rises: a negative amplitude or
// a negative ω each turn a rise into a fall.
inline bool risesWithWave(const Real& a, const Real& omega) {
    return (a > 0) == (omega > 0);
}

// The x where ω x + φ reaches a given phase, from the plot's derived values.
using PhasePoint = Real (*)(const PeriodicValues& p);
inline Real phaseZero(const PeriodicValues& p) {
    return -p.shift;
}
inline Real phaseHalfPi(const PeriodicValues& p) {
    return p.qperiod - p.shift;
}
inline Real phaseMinusHalfPi(const PeriodicValues& p) {
    return -p.qperiod - p.shift;
}
inline Real phasePi(const PeriodicValues& p) {
    return p.hperiod - p.shift;
}
inline Real phaseThreeHalvesPi(const PeriodicValues& p) {
    return 3 * p.qperiod - p.shift;
}
inline Real phaseTwoPi(const PeriodicValues& p) {
    return p.speriod - p.shift;
}

// " + n(step) * k" or " - n(|step|) * k". The sign is read from signSource,
// which has the sign of ω even where step itself came out as 0.
ResultLine kTerm(const Real& step, const Real& signSource);
inline ResultLine kTerm(const Real& step) {
    return kTerm(step, step);
}

// "y = A name( ω x ± φ ) ± M"; function is the name piece, " sin( " and its kin.
ResultLine periodicFormula(std::string_view function, const Real& a, const Real& omega,
                           const Real& phi, const Real& m);

// "    T = n(period)".
ResultLine periodLine(const Real& period);

// A header "    label( k ∈ Z )", then "    n(value) k-term".
void appendEveryK(PlotContext& context, std::string_view label, const Real& value,
                  const ResultLine& step, std::vector<Mark> marks);

// A header "    label( k ∈ Z )", then the open interval between the two endpoints,
// smaller first, over two lines. With bareWhenEqual, endpoints that came out
// as the same double leave the header alone.
// Both lines name the stretch from lo to hi every stepValue; the opening line
// also carries the marks made by atLow from lo.
void appendInterval(PlotContext& context, std::string_view label, const Real& first,
                    const Real& second, const ResultLine& step, bool bareWhenEqual,
                    const Real& stepValue,
                    std::vector<Mark> (*atLow)(double lo, double stepValue) = nullptr);

// A pair of endpoints of one monotonic stretch.
struct EndpointPair {
    PhasePoint first;
    PhasePoint second;
    bool bareWhenEqualForPositiveA; // see appendInterval
};

// What tells the sine and cosine apart in their lines.
struct WaveFamily {
    std::string_view function; // formula piece
    PhasePoint axis;
    PhasePoint centre;
    EndpointPair fallingWhenSignsAgree; // A and ω of one sign
    EndpointPair fallingWhenSignsDiffer;
};

// The x where ω x + φ = phase + k step for whole k, with x in [-reach, reach],
// ascending in k; at most kMaxKeyPoints of them.
std::vector<double> phasePoints(const Coefficients& coef, double phase, double step, double reach);

enum class WaveShape { Sine, Cosine };
// Zeros and extrema of A wave(ω x + φ) + M.
KeyPoints waveKeyPoints(const Coefficients& coef, double reach, WaveShape shape);

// The thirteen lines of a valid sine or cosine.
void waveLines(PlotContext& context, const WaveFamily& family);

} // namespace oltrave
