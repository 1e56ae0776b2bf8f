#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace oltrave {

// The one way a number becomes text in the product: 15 significant digits in
// general format ("%.15G" in the C locale), never a leading blank, "0" for a
// negative zero. Independent of the process locale.
std::string numtext(double value);

// Lenient reading used for coefficients and the zoom: blanks, tabs and line
// feeds are ignored anywhere; "&H"/"&O" read hexadecimal/octal whole numbers;
// otherwise the longest leading decimal number counts and no number at all is 0.
// Empty when the value lies beyond the range of a double.
std::optional<double> numval(std::string_view text);

// What numval makes of a text: its value (empty beyond the double range),
// whether any digit was read, and what it left unread, blanks removed.
struct NumvalScan {
    std::optional<double> value;
    bool digits = false;
    std::string ignored;
};
NumvalScan numvalScan(std::string_view text);

// Strict reading: blanks at either end allowed, the rest must be wholly a
// decimal number. Empty when it is not, or when it lies beyond the double range.
std::optional<double> numstrict(std::string_view text);

} // namespace oltrave
