#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "factsupport.h"
#include "model/keypoints.h"
#include "pieces.h"

namespace oltrave {

namespace {

// The terms after a x ^ 3, each with the piece naming its own power.
struct Term {
    Real value;
    std::string_view power;
};

// A term joins the formula with the previous term's power and a plus piece.
// Only when b and c are both present do the joins follow the signs; otherwise
// each number follows " + " with its own sign.
ResultLine cubicFormula(const Real& a, const Real& b, const Real& c, const Real& d) {
    const std::array<Term, 3> terms{{{b, " x ^ 2"}, {c, " x"}, {d, ""}}};
    const bool signedJoins = b != 0 && c != 0;

    ResultLine line;
    line << piece::kFormulaStart << grouped(a);
    std::string_view power = " x ^ 3";
    for (const Term& term : terms) {
        if (term.value == 0)
            continue;
        line << power;
        if (signedJoins)
            line << signedTail(term.value);
        else
            line << " + " << grouped(term.value);
        power = term.power;
    }
    if (!power.empty())
        line << power << " ";
    return line;
}

// Left to right, each product first: the sum of two doubles does not depend
// on their order, so this is also t = x ^ 3 a; x ^ 2 b + t; + x c; + d.
template <typename Number> Number cubic(const std::array<Number, kBoxCount>& c, Number x) {
    using std::pow;
    return pow(x, 3) * c[0] + pow(x, 2) * c[1] + x * c[2] + c[3];
}

} // namespace

// The real roots in closed form (Cardano, or the trigonometric form for three
// roots), each then polished by Newton steps against rounding in the formula.
std::vector<double> cubicRoots(const Coefficients& coef) {
    const double a = coef[0], b = coef[1], c = coef[2], d = coef[3];
    // x = t - shift turns the cubic into t ^ 3 + p t + q.
    const double shift = b / (3 * a);
    const double p = (3 * a * c - b * b) / (3 * a * a);
    const double q = (2 * b * b * b - 9 * a * b * c + 27 * a * a * d) / (27 * a * a * a);
    const double disc = q * q / 4 + p * p * p / 27;
    std::vector<double> ts;
    if (p == 0 && q == 0) {
        ts = {0};
    } else if (disc > 0) {
        const double r = std::sqrt(disc);
        ts = {std::cbrt(-q / 2 + r) + std::cbrt(-q / 2 - r)};
    } else if (disc == 0) {
        ts = {3 * q / p, -3 * q / (2 * p)};
    } else {
        const double m = 2 * std::sqrt(-p / 3);
        const double angle =
            std::acos(std::clamp(3 * q / (2 * p) * std::sqrt(-3 / p), -1.0, 1.0)) / 3;
        for (int k = 0; k < 3; ++k)
            ts.push_back(m * std::cos(angle - 2 * kPi * k / 3));
    }
    std::vector<double> roots;
    for (double t : ts) {
        double x = t - shift;
        for (int step = 0; step < 2; ++step) {
            const double slope = (3 * a * x + 2 * b) * x + c;
            const double next = slope != 0 ? x - cubic(coef, x) / slope : x;
            if (!(std::fabs(cubic(coef, next)) < std::fabs(cubic(coef, x))))
                break;
            x = next;
        }
        roots.push_back(x);
    }
    return roots;
}

namespace {

// Extrema where the slope 3 a x ^ 2 + 2 b x + c changes sign: two distinct roots.
KeyPoints cubicKeyPoints(const Coefficients& c, double) {
    std::vector<double> turns = quadraticRoots(3 * c[0], 2 * c[1], c[2]);
    if (turns.size() < 2)
        turns.clear();
    return {cubicRoots(c), turns, {}};
}

// The lines of y = a x ^ 3 + b x ^ 2 + c x + d; no absolute-value mode applies.
void cubicLines(PlotContext& context) {
    const Real d = context.value(3);
    context.append(cubicFormula(context.value(0), context.value(1), context.value(2), d));
    context.append(propertyLine(piece::kAtZero) << Num{d},
                   {pointMark(MarkKind::ValueAtZero, 0, d)});
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
    .function = cubic<double>,
    .exactFunction = cubic<Real>,
    .sample = sampleCurve<cubic<double>>,
    .lines = cubicLines,
    .keyPoints = cubicKeyPoints,
    .facts = cubicFacts,
    .shapeBoundaries = cubicBoundaries,
};

} // namespace oltrave
