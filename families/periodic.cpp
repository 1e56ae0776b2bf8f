#include "periodic.h"

#include <algorithm>
#include <cmath>

#include "model/keypoints.h"
#include "pieces.h"

namespace oltrave {

ResultLine kTerm(const Real& step, const Real& signSource) {
    ResultLine term;
    if (signSource > 0)
        term << " + " << grouped(step) << " * k";
    else if (signSource < 0)
        term << " - " << grouped(fabs(step)) << " * k";
    return term;
}

ResultLine periodicFormula(std::string_view function, const Real& a, const Real& omega,
                           const Real& phi, const Real& m) {
    ResultLine line;
    line << piece::kFormulaStart << grouped(a) << function << grouped(omega) << " x"
         << signedTail(phi);
    if (m == 0)
        line << " )";
    else if (m < 0 && phi != 0)
        line << " ) - " << grouped(fabs(m));
    else
        line << " ) + " << Num{m}; // with no phase a negative M keeps its own sign
    return line;
}

ResultLine periodLine(const Real& period) {
    return propertyLine(piece::kPeriod) << Num{period};
}

void appendEveryK(PlotContext& context, std::string_view label, const Real& value,
                  const ResultLine& step, std::vector<Mark> marks) {
    context.append(propertyLine(label) << piece::kForEveryK);
    ResultLine line;
    line << piece::kIndent << Num{value} << step;
    context.append(line, std::move(marks));
}

void appendInterval(PlotContext& context, std::string_view label, const Real& first,
                    const Real& second, const ResultLine& step, bool bareWhenEqual,
                    const Real& stepValue,
                    std::vector<Mark> (*atLow)(double lo, double stepValue)) {
    context.append(propertyLine(label) << piece::kForEveryK);
    if (bareWhenEqual && first == second)
        return;
    const bool ordered = second > first;
    const Real& lo = ordered ? first : second;
    const Real& hi = ordered ? second : first;
    ResultLine opening;
    opening << piece::kIndent << " ( " << Num{lo} << step << " , ";
    const Stretch span = stretch(lo, hi, stepValue);
    context.append(opening, atLow ? atLow(lo.value, stepValue.value) : std::vector<Mark>{}, span);
    ResultLine closing;
    closing << piece::kIndent << Num{hi} << step << " ) ";
    context.append(closing, {}, span);
}

void waveLines(PlotContext& context, const WaveFamily& family) {
    const Real a = context.value(0);
    const Real omega = context.value(1);
    const Real phi = context.value(2);
    const Real m = context.value(3);
    const PeriodicValues& p = context.periodic();
    context.append(periodicFormula(family.function, a, omega, phi, m));
    context.append(periodLine(p.period));
    context.append(propertyLine(piece::kRange) << between(m - fabs(a), m + fabs(a)));
    // Crests on the axes for even k (wave 1), troughs for odd k.
    const Real axis = family.axis(p);
    appendEveryK(context, piece::kSymmetryAxis, axis, kTerm(p.hperiod),
                 {everyK(verticalMark(MarkKind::SymmetryAxis, axis), p.hperiod),
                  everyK(pointMark(MarkKind::Extremum, axis, m + a), p.hperiod, m - a)});
    const Real centre = family.centre(p);
    appendEveryK(context, piece::kSymmetricCenter, centre, kTerm(p.hperiod),
                 {everyK(pointMark(MarkKind::SymmetricCentre, centre, m), p.hperiod)});

    const bool signsAgree = risesWithWave(a, omega);
    const EndpointPair& falling =
        signsAgree ? family.fallingWhenSignsAgree : family.fallingWhenSignsDiffer;
    const EndpointPair& rising =
        signsAgree ? family.fallingWhenSignsDiffer : family.fallingWhenSignsAgree;
    const ResultLine step = kTerm(p.speriod);
    const auto section = [&](std::string_view label, const EndpointPair& pair) {
        appendInterval(context, label, pair.first(p), pair.second(p), step,
                       pair.bareWhenEqualForPositiveA && a > 0, p.speriod);
    };
    section(piece::kDecreasing, falling);
    section(piece::kIncreasing, rising);
}

std::vector<double> phasePoints(const Coefficients& coef, double phase, double step, double reach) {
    const double omega = coef[1];
    const double phi = coef[2];
    const double low = std::min(-reach * omega + phi, reach * omega + phi);
    const double high = std::max(-reach * omega + phi, reach * omega + phi);
    const double first = std::ceil((low - phase) / step);
    const double last = std::floor((high - phase) / step);
    std::vector<double> xs;
    // Beyond 2^53 ++k leaves k as it was: the points cannot be counted.
    constexpr double kLargestK = 9007199254740992.0; // 2^53
    if (!(std::fabs(first) <= kLargestK) || !(std::fabs(last) <= kLargestK))
        return xs;
    for (double k = first; k <= last && xs.size() < kMaxKeyPoints; ++k)
        xs.push_back((phase + k * step - phi) / omega);
    return xs;
}

KeyPoints waveKeyPoints(const Coefficients& coef, double reach, WaveShape shape) {
    KeyPoints points;
    const double level = -coef[3] / coef[0]; // where the wave itself must be for y = 0
    if (std::fabs(level) <= 1) {
        // The two solutions of one period: sin v = level at asin and π - asin,
        // cos v = level at acos and -acos.
        const double v = shape == WaveShape::Sine ? std::asin(level) : std::acos(level);
        const double other = shape == WaveShape::Sine ? kPi - v : -v;
        points.zeros = phasePoints(coef, v, 2 * kPi, reach);
        if (std::fabs(level) < 1) { // at ±1 the curve touches the axis once a period
            const std::vector<double> more = phasePoints(coef, other, 2 * kPi, reach);
            points.zeros.insert(points.zeros.end(), more.begin(), more.end());
        }
    }
    // Crests and troughs every half period: sine at π/2, cosine at 0.
    points.extrema = phasePoints(coef, shape == WaveShape::Sine ? kPi / 2 : 0, kPi, reach);
    return points;
}

} // namespace oltrave
