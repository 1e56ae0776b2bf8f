#pragma once

#include <string_view>

#include "model/resultline.h"

namespace oltrave {

// A property line: the indent, then the label piece.
inline ResultLine propertyLine(std::string_view label) {
    ResultLine line;
    line << piece::kIndent << label;
    return line;
}

// The tail a signed constant term leaves after a formula: " + n(v)", " - n(|v|)",
// or a lone blank when v is 0.
ResultLine signedTail(double v);

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
ResultLine between(double low, double high); //  [ low , high ]

} // namespace oltrave
