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

// Reads "[sign] (number | [number] symbol [/ integer] | number / integer)",
// blanks around it ignored, where a number is a decimal with an optional
// e-exponent and a symbol is π, pi or √digits; an empty text is 0. Empty when
// the text does not match or needs more than 30 digits (a numerator or
// denominator in lowest terms, or a radicand): the decimal reading applies.
std::optional<ExactReading> readExact(std::string_view text);

} // namespace oltrave
