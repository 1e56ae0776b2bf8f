#include <cmath>

#include "factsupport.h"
#include "model/keypoints.h"
#include "model/logarithm.h"
#include "pieces.h"

namespace oltrave {

namespace {

template <typename Number> Number logarithmic(const std::array<Number, kBoxCount>& c, Number x) {
    return logBase(x, c[0]) + c[1];
}

bool logarithmicValid(const Coefficients& coef) {
    return validBase(coef[0]);
}

// log a ( x ) = -M at x = a ^ -M; the y axis is the asymptote.
KeyPoints logarithmicKeyPoints(const Coefficients& c, double) {
    return {{std::pow(c[0], -c[1])}, {}, {0}};
}

// The lines of y = log a ( x ) + M in the modes f(x), |f(x)| and f(|x|).
void logarithmicLines(PlotContext& context) {
    const Real a = context.value(0);
    const Real M = context.value(1);
    const AbsMode mode = context.absmode();
    const bool rising = a > 1;

    ResultLine body;
    body << "lg( " << (mode == AbsMode::OfArgument ? "| x | ) / " : "x ) / ") << "lg( " << Num{a};
    if (M > 0)
        body << " ) +" << Num{M};
    else if (M < 0)
        body << " ) -" << grouped(fabs(M));
    else
        body << " )";
    context.append(formulaFrame(mode, body));

    if (mode == AbsMode::OfArgument)
        context.append(propertyLine(piece::kSymmetryAxis) << "0",
                       {verticalMark(MarkKind::SymmetryAxis, 0)});

    if (mode == AbsMode::OfValue)
        context.append(propertyLine(piece::kRange) << fromClosed(Real(0)));
    else
        context.append(propertyLine(piece::kRange) << "R");

    if (mode == AbsMode::Plain) {
        context.append(propertyLine(rising ? piece::kIncreasing : piece::kDecreasing)
                           << fromOpen(Real(0)),
                       {}, stretch(0, kInfinity));
    } else if (mode == AbsMode::OfArgument) {
        appendMirroredIntervals(context, !rising);
    }
}

} // namespace

extern const FamilyDescription kLogarithmicFamily{
    .name = "logarithmic",
    .entry = "Logarithmic Function",
    .formulaTemplate = "y = log a ( x ) + M",
    .captions = {"a =", "M =", "", ""},
    .hasModes = true,
    .valid = logarithmicValid,
    .function = logarithmic<double>,
    .exactFunction = logarithmic<Real>,
    .sample = sampleCurve<logarithmic<double>>,
    .lines = logarithmicLines,
    .keyPoints = logarithmicKeyPoints,
    .facts = logarithmicFacts,
    .shapeBoundaries = logarithmicBoundaries,
};

} // namespace oltrave
