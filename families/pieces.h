#pragma once

#include <array>
#include <cmath>
#include <string_view>

#include "model/plotcontext.h"
#include "model/resultline.h"

namespace oltrave {

// The sampling loop in the chosen absolute-value mode: f(x), |f(x)| or f(|x|).
template <typename Function> void sampleInMode(PlotContext& context, Function f) {
    switch (context.absmode()) {
    case 0:
        context.sample(f);
        break;
    case 1:
        context.sample([&](double x) { return std::fabs(f(x)); });
        break;
    case 2:
        context.sample([&](double x) { return f(std::fabs(x)); });
        break;
    }
}

// A property line: the indent, then the label piece.
inline ResultLine propertyLine(std::string_view label) {
    ResultLine line;
    line << piece::kIndent << label;
    return line;
}

// The tail a signed constant term leaves after a formula: " + n(v)", " - n(|v|)",
// or a lone blank when v is 0.
ResultLine signedTail(double v);

// "y = " and the body, the body between bars in the mode |f(x)|.
ResultLine formulaLine(int absmode, const ResultLine& body);

// The three forms of a formula line: f(x), | f(x) | and f(| x |). The caller
// gives the pieces before the variable, the variable as written in f(x) and in
// f(| x |), and the constant term.
struct FormulaForm {
    std::string_view variable;    // " x", " ^ x"
    std::string_view absVariable; // " | x |", " ^ | x |"
};
ResultLine formulaLine(int absmode, const ResultLine& lead, const FormulaForm& form,
                       double constant);

// Range pieces after "Range : ": " [ n , + ∞ ) " and " ( - ∞ , n ] " and their kin.
ResultLine fromClosed(double low);     //  [ low , + ∞ )
ResultLine fromOpen(double low);       //  ( low , + ∞ )
ResultLine upToClosed(double high);    //  ( - ∞ , high ]
ResultLine upToOpen(double high);      //  ( - ∞ , high )

//  ( low , high ]
ResultLine openClosed(double low, double high);

// The interval lines of a curve mirrored in the y axis: the decreasing line
// first, on the right half-line or on the left one, then the increasing line.
std::array<ResultLine, 2> mirroredIntervals(bool decreasingOnRight);

} // namespace oltrave
