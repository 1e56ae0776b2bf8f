#pragma once

#include <array>
#include <cmath>
#include <limits>
#include <string_view>
#include <vector>

#include "model/plotcontext.h"
#include "model/resultline.h"

namespace oltrave {

namespace piece {
// The labels of numbered zeros, "[ y = 0 ] x ( i ) = " for i from 0 to 3.
inline constexpr std::array<std::string_view, 4> kNumberedZero{
    "[ y = 0 ] x ( 0 ) = ", "[ y = 0 ] x ( 1 ) = ", "[ y = 0 ] x ( 2 ) = ", "[ y = 0 ] x ( 3 ) = "};
// A range from 0 upwards, as a curve under absolute value bars has it.
inline constexpr std::string_view kFromZero = "[ 0 , + ∞ )";
} // namespace piece

// The real roots of a x ^ 2 + b x + c (a not 0), ascending; one for a double root.
std::vector<double> quadraticRoots(double a, double b, double c);
// The real roots of a x ^ 3 + b x ^ 2 + c x + d (a not 0), as the closed forms give them.
std::vector<double> cubicRoots(const Coefficients& coef);

// The sign function: -1, 0 or +1.
inline int sign(double v) {
    return (v > 0) - (v < 0);
}
inline int sign(const Real& v) {
    return sign(v.value);
}

// The validity rule of the polynomial families: a leading coefficient.
inline bool leadNonZero(const Coefficients& coef) {
    return coef[0] != 0;
}

// A property line: the indent, then the label piece.
inline ResultLine propertyLine(std::string_view label) {
    ResultLine line;
    line << piece::kIndent << label;
    return line;
}

// The tail a signed constant term leaves after a formula: " + n(v)", " - n(|v|)",
// or a lone blank when v is 0.
ResultLine signedTail(const Real& v);

// The three forms of a formula line: f(x), | f(x) | and f(| x |). The caller
// gives the pieces before the variable, the variable as written in f(x) and in
// f(| x |), and the constant term.
struct FormulaForm {
    std::string_view variable;    // " x", " ^ x"
    std::string_view absVariable; // " | x |", " ^ | x |"
};
ResultLine formulaLine(AbsMode absmode, const ResultLine& lead, const FormulaForm& form,
                       const Real& constant);
// "y = " and the body, in bars for |f(x)|; the body is written as f(x) or f(| x |) already.
ResultLine formulaFrame(AbsMode absmode, const ResultLine& body);

// Range pieces after "Range : ": " [ n , + ∞ ) " and " ( - ∞ , n ] " and their kin.
ResultLine fromClosed(const Real& low);                     //  [ low , + ∞ )
ResultLine fromOpen(const Real& low);                       //  ( low , + ∞ )
ResultLine upToClosed(const Real& high);                    //  ( - ∞ , high ]
ResultLine upToOpen(const Real& high);                      //  ( - ∞ , high )
ResultLine openInterval(const Real& low, const Real& high); //  ( low , high )
ResultLine between(const Real& low, const Real& high);      //  [ low , high ]

ResultLine openClosed(const Real& low, const Real& high); //  ( low , high ]

// The interval lines of a curve mirrored in the y axis: the decreasing line
// first, on the right half-line or on the left one, then the increasing line.
std::array<ResultLine, 2> mirroredIntervals(bool decreasingOnRight);
// Appends them, each with the half of the curve it names.
void appendMirroredIntervals(PlotContext& context, bool decreasingOnRight);

// Every x, for an interval line that names the whole curve.
inline constexpr double kInfinity = std::numeric_limits<double>::infinity();

} // namespace oltrave
