#include <cmath>

#include "factsupport.h"
#include "model/keypoints.h"
#include "pieces.h"

namespace oltrave {

namespace {

constexpr FormulaForm kLinearForm{" x", " | x |"};

template <typename Number> Number linear(const std::array<Number, kBoxCount>& c, Number x) {
    return x * c[0] + c[1];
}

KeyPoints linearKeyPoints(const Coefficients& c, double) {
    return {{-c[1] / c[0]}, {}, {}};
}

// The lines of y = k x + b in the modes f(x), |f(x)| and f(|x|).
void linearLines(PlotContext& context) {
    const Real k = context.value(0);
    const Real b = context.value(1);
    const AbsMode mode = context.absmode();
    const Real x0 = -b / k;
    const Real y0 = b;

    ResultLine lead;
    lead << grouped(k);
    context.append(formulaLine(mode, lead, kLinearForm, b));

    if (mode == AbsMode::OfValue)
        context.append(propertyLine(piece::kSymmetryAxis) << Num{x0},
                       {verticalMark(MarkKind::SymmetryAxis, x0)});
    if (mode == AbsMode::OfArgument)
        context.append(propertyLine(piece::kSymmetryAxis) << "0",
                       {verticalMark(MarkKind::SymmetryAxis, 0)});

    if (mode == AbsMode::Plain || mode == AbsMode::OfValue) {
        // |k x + b| is |b| at 0.
        const Real atZero = mode == AbsMode::OfValue ? fabs(y0) : y0;
        context.append(propertyLine(piece::kAtZero) << Num{atZero},
                       {pointMark(MarkKind::ValueAtZero, 0, atZero)});
        context.append(propertyLine(piece::kZero) << Num{x0}, {pointMark(MarkKind::Zero, x0, 0)});
    } else if (mode == AbsMode::OfArgument) {
        context.append(propertyLine(piece::kAtZero) << Num{b},
                       {pointMark(MarkKind::ValueAtZero, 0, b)});
        if (b == 0) {
            context.append(propertyLine(piece::kZero) << Num{x0},
                           {pointMark(MarkKind::Zero, x0, 0)});
        } else if (sign(k) != sign(b)) {
            // k |x| + b vanishes on both sides of the axis.
            context.append(propertyLine(piece::kNumberedZero[0]) << Num{-x0},
                           {pointMark(MarkKind::Zero, -x0, 0)});
            context.append(propertyLine(piece::kNumberedZero[1]) << Num{x0},
                           {pointMark(MarkKind::Zero, x0, 0)});
        }
    }

    switch (mode) {
    case AbsMode::Plain: context.append(propertyLine(piece::kRange) << "R"); break;
    case AbsMode::OfValue: context.append(propertyLine(piece::kRange) << piece::kFromZero); break;
    case AbsMode::OfArgument:
        if (0 < k)
            context.append(propertyLine(piece::kRange) << fromClosed(y0));
        else if (0 > k)
            context.append(propertyLine(piece::kRange) << upToClosed(y0));
        break;
    }
}

} // namespace

extern const FamilyDescription kLinearFamily{
    .name = "linear",
    .entry = "Linear Function",
    .formulaTemplate = "y = k x + b",
    .captions = {"k =", "b =", "", ""},
    .hasModes = true,
    .valid = leadNonZero,
    .function = linear<double>,
    .exactFunction = linear<Real>,
    .sample = sampleCurve<linear<double>>,
    .lines = linearLines,
    .keyPoints = linearKeyPoints,
    .facts = linearFacts,
    .shapeBoundaries = linearBoundaries,
};

} // namespace oltrave
