#include <cmath>

#include "factsupport.h"
#include "model/keypoints.h"
#include "model/logarithm.h"
#include "pieces.h"

namespace oltrave {

namespace {

constexpr FormulaForm kExponentialForm{" ^ x", " ^ | x |"};

// std::pow gives NaN for a negative base with a fractional exponent and an
// infinity for a zero base with a negative one or on overflow; the context
// draws no such point, so nothing traps and the pass goes on.
template <typename Number> Number exponential(const std::array<Number, kBoxCount>& c, Number x) {
    using std::pow;
    return pow(c[0], x) + c[1];
}

bool exponentialValid(const Coefficients& coef) {
    return validBase(coef[0]);
}

// a ^ x = -M has a solution only below the axis.
KeyPoints exponentialKeyPoints(const Coefficients& c, double) {
    KeyPoints points;
    if (c[1] < 0)
        points.zeros.push_back(logBase(-c[1], c[0]));
    return points;
}

// The lines of y = a ^ x + M in the modes f(x), |f(x)| and f(|x|).
void exponentialLines(PlotContext& context) {
    const Real a = context.value(0);
    const Real M = context.value(1);
    const AbsMode mode = context.absmode();
    const Real Y0 = M + 1;
    const bool rising = a > 1;

    ResultLine lead;
    lead << grouped(a);
    // |a ^ x + M| with M < 0 tends to -M, a level no property line names.
    std::vector<Mark> formulaMarks;
    if (mode == AbsMode::OfValue && M < 0)
        formulaMarks.push_back(horizontalMark(MarkKind::Asymptote, -M));
    context.append(formulaLine(mode, lead, kExponentialForm, M), std::move(formulaMarks));

    if (mode == AbsMode::OfArgument)
        context.append(propertyLine(piece::kSymmetryAxis) << "0",
                       {verticalMark(MarkKind::SymmetryAxis, 0)});

    // |a ^ x + M| is |M + 1| at 0.
    const Real atZero = mode == AbsMode::OfValue ? fabs(Y0) : Y0;
    context.append(propertyLine(piece::kAtZero) << Num{atZero},
                   {pointMark(MarkKind::ValueAtZero, 0, atZero)});

    // A range open at M names the level the curve approaches.
    ResultLine range = propertyLine(piece::kRange);
    bool openAtM = true;
    switch (mode) {
    case AbsMode::Plain: range << fromOpen(M); break;
    case AbsMode::OfValue:
        openAtM = M >= 0;
        range << (M < 0 ? fromClosed(Real(0)) : fromOpen(M));
        break;
    case AbsMode::OfArgument:
        openAtM = !rising;
        range << (rising ? fromClosed(Y0) : openClosed(M, Y0));
        break;
    }
    context.append(range, openAtM ? std::vector<Mark>{horizontalMark(MarkKind::Asymptote, M)}
                                  : std::vector<Mark>{});

    const std::string_view monotonic = rising ? piece::kIncreasing : piece::kDecreasing;
    switch (mode) {
    case AbsMode::Plain:
        context.append(propertyLine(monotonic) << "R", {}, stretch(-kInfinity, kInfinity));
        break;
    case AbsMode::OfValue:
        // Below the axis the bars fold the curve, which then falls and rises.
        if (M >= 0)
            context.append(propertyLine(monotonic) << "R", {}, stretch(-kInfinity, kInfinity));
        break;
    case AbsMode::OfArgument: appendMirroredIntervals(context, !rising); break;
    }
}

} // namespace

extern const FamilyDescription kExponentialFamily{
    .name = "exponential",
    .entry = "Exponential Function",
    .formulaTemplate = "y = a ^ x + M",
    .captions = {"a =", "M =", "", ""},
    .hasModes = true,
    .valid = exponentialValid,
    .function = exponential<double>,
    .exactFunction = exponential<Real>,
    .sample = sampleCurve<exponential<double>>,
    .lines = exponentialLines,
    .keyPoints = exponentialKeyPoints,
    .facts = exponentialFacts,
    .shapeBoundaries = exponentialBoundaries,
};

} // namespace oltrave
