#include <array>
#include <cmath>
#include <string_view>

#include "pieces.h"

namespace oltrave {

namespace {

// The terms after a x ^ 3, each with the piece naming its own power.
struct Term {
    double value;
    std::string_view power;
};

// A term joins the formula with the previous term's power and a plus piece.
// Only when b and c are both present do the joins follow the signs; otherwise
// each number follows " + " with its own sign.
ResultLine cubicFormula(double a, double b, double c, double d) {
    const std::array<Term, 3> terms{{{b, " x ^ 2"}, {c, " x"}, {d, ""}}};
    const bool signedJoins = b != 0 && c != 0;

    ResultLine line;
    line << piece::kFormulaStart << Num{a};
    std::string_view power = " x ^ 3";
    for (const Term& term : terms) {
        if (term.value == 0)
            continue;
        line << power;
        if (signedJoins)
            line << signedTail(term.value);
        else
            line << " + " << Num{term.value};
        power = term.power;
    }
    if (!power.empty())
        line << power << " ";
    return line;
}

// Left to right, each product first: the sum of two doubles does not depend
// on their order, so this is also t = x ^ 3 a; x ^ 2 b + t; + x c; + d.
double cubic(const Coefficients& c, double x) {
    return std::pow(x, 3) * c[0] + std::pow(x, 2) * c[1] + x * c[2] + c[3];
}

// The lines of y = a x ^ 3 + b x ^ 2 + c x + d; no absolute-value mode applies.
void cubicLines(PlotContext& context) {
    const double d = context.coef(3);
    context.append(cubicFormula(context.coef(0), context.coef(1), context.coef(2), d));
    context.append(propertyLine(piece::kAtZero) << Num{d});
    context.append(propertyLine(piece::kRange) << "R");
}

} // namespace

extern const FamilyDescription kCubicFamily{
    .name = "cubic",
    .entry = "Cubics Function", // the entry's spelling
    .formulaTemplate = "y = a x ^ 3 + b x ^ 2 + c x + d",
    .captions = {"a =", "b =", "c =", "d ="},
    .hasModes = false,
    .valid = leadNonZero,
    .function = cubic,
    .sample = sampleCurve<cubic>,
    .lines = cubicLines,
};

} // namespace oltrave
