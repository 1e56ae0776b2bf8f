#include <array>
#include <cmath>
#include <string_view>

#include "families.h"
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

} // namespace

// y = a x ^ 3 + b x ^ 2 + c x + d; no absolute-value mode applies.
void plotCubic(PlotContext& context) {
    const double a = context.coef(0);
    const double b = context.coef(1);
    const double c = context.coef(2);
    const double d = context.coef(3);
    const double y0 = d;

    context.sample([&](double x) {
        const double t = std::pow(x, 3) * a;
        return std::pow(x, 2) * b + t + x * c + d;
    });

    if (!context.coefficientsValid(FunctionFamily::Cubic))
        return;

    context.append(cubicFormula(a, b, c, d));
    context.append(propertyLine(piece::kAtZero) << Num{y0});
    context.append(propertyLine(piece::kRange) << "R");
    context.setPlotted();
}

} // namespace oltrave
