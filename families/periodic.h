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
inline constexpr std::string_view kSymmetricCenter = "Symmetric Center : ";
inline constexpr std::string_view kForEveryK = "( k ∈ Z )";
} // namespace piece

inline constexpr std::array<std::string_view, kBoxCount> kPeriodicCaptions{
    "A =", "ω =", "φ =", "M ="};

// A function needs an amplitude and a frequency.
inline bool amplitudeAndFrequency(const Coefficients& coef) {
    return coef[0] != 0 && coef[1] != 0;
}

// A Wave(ω x + φ) + M, each product first.
template <double (*Wave)(double)> double periodicValue(const Coefficients& c, double x) {
    return Wave(x * c[1] + c[2]) * c[0] + c[3];
}

// Whether the curve rises where the wave itself rises: a negative amplitude or
// a negative ω each turn a rise into a fall.
inline bool risesWithWave(double a, double omega) {
    return (a > 0) == (omega > 0);
}

// The x where ω x + φ reaches a given phase, from the plot's derived values.
using PhasePoint = double (*)(const PeriodicValues& p);
inline double phaseZero(const PeriodicValues& p) {
    return -p.shift;
}
inline double phaseHalfPi(const PeriodicValues& p) {
    return p.qperiod - p.shift;
}
inline double phaseMinusHalfPi(const PeriodicValues& p) {
    return -p.qperiod - p.shift;
}
inline double phasePi(const PeriodicValues& p) {
    return p.hperiod - p.shift;
}
inline double phaseThreeHalvesPi(const PeriodicValues& p) {
    return 3 * p.qperiod - p.shift;
}
inline double phaseTwoPi(const PeriodicValues& p) {
    return p.speriod - p.shift;
}

// " + n(step) * k" or " - n(|step|) * k". The sign is read from signSource,
// which has the sign of ω even where step itself came out as 0.
ResultLine kTerm(double step, double signSource);
inline ResultLine kTerm(double step) {
    return kTerm(step, step);
}

// "y = A name( ω x ± φ ) ± M"; function is the name piece, " sin( " and its kin.
ResultLine periodicFormula(std::string_view function, double a, double omega, double phi, double m);

// "    T = n(period)".
ResultLine periodLine(double period);

// A header "    label( k ∈ Z )", then "    n(value) k-term".
void appendEveryK(PlotContext& context, std::string_view label, double value,
                  const ResultLine& step, std::vector<Mark> marks);

// A header "    label( k ∈ Z )", then the open interval between the two endpoints,
// smaller first, over two lines. With bareWhenEqual, endpoints that came out
// as the same double leave the header alone.
// Both lines name the stretch from lo to hi every stepValue; the opening line
// also carries the marks made by atLow from lo.
void appendInterval(PlotContext& context, std::string_view label, double first, double second,
                    const ResultLine& step, bool bareWhenEqual, double stepValue,
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
