#include "periodic.h"

#include <cmath>

#include "pieces.h"

namespace oltrave {

ResultLine kTerm(const Real& step, const Real& signSource) {
    ResultLine term;
    if (signSource > 0)
        term << " + " << Num{step} << " * k";
    else if (signSource < 0)
        term << " - " << Num{fabs(step)} << " * k";
    return term;
}

ResultLine periodicFormula(std::string_view function, const Real& a, const Real& omega,
                           const Real& phi, const Real& m) {
    ResultLine line;
    line << piece::kFormulaStart << Num{a} << function << Num{omega} << " x" << signedTail(phi);
    if (m == 0)
        line << " )";
    else if (m < 0 && phi != 0)
        line << " ) - " << Num{fabs(m)};
    else
        line << " ) + " << Num{m}; // with no phase a negative M keeps its own sign
    return line;
}

ResultLine periodLine(const Real& period) {
    return propertyLine("T = ") << Num{period};
}

void appendEveryK(PlotContext& context, std::string_view label, const Real& value,
                  const ResultLine& step) {
    context.append(propertyLine(label) << piece::kForEveryK);
    ResultLine line;
    line << piece::kIndent << Num{value} << step;
    context.append(line);
}

void appendInterval(PlotContext& context, std::string_view label, const Real& first,
                    const Real& second, const ResultLine& step, bool bareWhenEqual) {
    context.append(propertyLine(label) << piece::kForEveryK);
    if (bareWhenEqual && first == second)
        return;
    const bool ordered = second > first;
    const Real& lo = ordered ? first : second;
    const Real& hi = ordered ? second : first;
    ResultLine opening;
    opening << piece::kIndent << " ( " << Num{lo} << step << " , ";
    context.append(opening);
    ResultLine closing;
    closing << piece::kIndent << Num{hi} << step << " ) ";
    context.append(closing);
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
    appendEveryK(context, piece::kSymmetryAxis, family.axis(p), kTerm(p.hperiod));
    appendEveryK(context, piece::kSymmetricCenter, family.centre(p), kTerm(p.hperiod));

    const bool signsAgree = risesWithWave(a, omega);
    const EndpointPair& falling =
        signsAgree ? family.fallingWhenSignsAgree : family.fallingWhenSignsDiffer;
    const EndpointPair& rising =
        signsAgree ? family.fallingWhenSignsDiffer : family.fallingWhenSignsAgree;
    const ResultLine step = kTerm(p.speriod);
    const auto section = [&](std::string_view label, const EndpointPair& pair) {
        appendInterval(context, label, pair.first(p), pair.second(p), step,
                       pair.bareWhenEqualForPositiveA && a > 0);
    };
    section(piece::kDecreasing, falling);
    section(piece::kIncreasing, rising);
}

} // namespace oltrave
