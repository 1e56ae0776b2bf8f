#include <cmath>

#include "families.h"
#include "periodic.h"
#include "pieces.h"

namespace oltrave {

// y = A tan(ω x + φ) + M; the absolute-value modes do not apply.
void plotTangent(PlotContext& context) {
    const double a = context.coef(0);
    const double omega = context.coef(1);
    const double phi = context.coef(2);
    const double m = context.coef(3);

    context.sample([&](double x) { return std::tan(x * omega + phi) * a + m; });
    if (!context.coefficientsValid(FunctionFamily::Tangent))
        return;

    const PeriodicValues& p = context.periodic();
    context.append(periodicFormula(" tan( ", a, omega, phi, m));
    // The tangent repeats every π / |ω|, half the sine's period.
    context.append(periodLine(std::fabs(p.hperiod)));
    context.append(propertyLine(piece::kRange) << "R");
    // qperiod is 0 when 2 ω overflowed; hperiod still carries the sign of ω.
    appendEveryK(context, piece::kSymmetricCenter, phaseHalfPi(p), kTerm(p.qperiod, p.hperiod));

    // One branch rises everywhere when A and ω share a sign, and falls otherwise.
    const bool rising = (a > 0) == (omega > 0);
    appendInterval(context, rising ? piece::kIncreasing : piece::kDecreasing, phaseMinusHalfPi(p),
                   phaseHalfPi(p), kTerm(p.hperiod), false);

    context.setPlotted();
}

} // namespace oltrave
