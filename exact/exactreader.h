#pragma once

#include <optional>
#include <string_view>

#include "exactvalue.h"

namespace oltrave {

// A box text read as an exact number, with the double nearest to it.
struct ExactReading {
    ExactValue value;
    double nearest = 0;
};

// Why a text has no exact reading.
enum class ExactRefusal {
    None,           // read
    NotANumber,     // the text does not match the grammar
    DivisionByZero, // "1/0", "π/0"
    NegativeRoot,   // "√-2", "sqrt(-2)": no real value
    TooManyDigits,  // beyond 30 digits in lowest terms or in a radicand
    NoEngine,       // this program has no exact arithmetic
};

// The reading of a text, or why there is none.
struct ExactAttempt {
    std::optional<ExactReading> reading;
    ExactRefusal refusal = ExactRefusal::NotANumber;
};

// Reads a sum or difference of terms, "[sign] term {(+|-) term}", blanks
// around it ignored, where a term is "number | [number] symbol [/ integer] |
// number / integer", a number a decimal with an optional e-exponent and a
// symbol π, pi, √digits, √(digits) or sqrt(digits); an empty text is 0. No
// reading when the text does not match or needs more than 30 digits (a
// numerator or denominator in lowest terms, or a radicand): the decimal
// reading applies.
ExactAttempt attemptExact(std::string_view text);

inline std::optional<ExactReading> readExact(std::string_view text) {
    return attemptExact(text).reading;
}

} // namespace oltrave
