#pragma once

#include <string>
#include <string_view>

#include "real.h"

namespace oltrave {

// A number placed in a result line: written in exact form when it has an
// exact value of that form, otherwise with numtext.
struct Num {
    Num(double v) : number(v) {}
    Num(Real r) : number(std::move(r)) {}

    Real number;
    bool grouped = false;
};

// A number that multiplies what follows it or follows a minus sign: an exact
// sum of several terms is written in brackets, "( 1 + √2 ) x", "- ( -1 + √2 )".
inline Num grouped(Real r) {
    Num number(std::move(r));
    number.grouped = true;
    return number;
}

// One result line joined from fixed pieces and numbers. A line that received a
// number that is not finite is not valid and is never appended: its step failed.
// Once a number is written in exact form, the line also keeps the text the
// decimal program would show.
class ResultLine {
public:
    ResultLine() = default;

    ResultLine& operator<<(std::string_view piece);
    ResultLine& operator<<(const Num& number);
    ResultLine& operator<<(const ResultLine& other);

    bool valid() const { return valid_; }
    const std::string& text() const { return text_; }
    // The line with every number in decimals.
    const std::string& decimalText() const { return exactForm_ ? decimal_ : text_; }

private:
    std::string text_;
    std::string decimal_; // kept only once a number is written in exact form
    bool exactForm_ = false;
    bool valid_ = true;
};

// The pieces every family shares.
namespace piece {
inline constexpr std::string_view kIndent = "    ";
inline constexpr std::string_view kDeepIndent = "        ";
inline constexpr std::string_view kPlusInfinity = "+ ∞";
inline constexpr std::string_view kMinusInfinity = "- ∞";
inline constexpr std::string_view kFormulaStart = "y = ";
inline constexpr std::string_view kAtZero = "[ x = 0 ] y = ";
inline constexpr std::string_view kZero = "[ y = 0 ] x = ";
inline constexpr std::string_view kRange = "Range : ";
inline constexpr std::string_view kSymmetryAxis = "Symmetry Axis : x = ";
inline constexpr std::string_view kDecreasing = "Decreasing Interval : ";
inline constexpr std::string_view kIncreasing = "Increasing Interval : ";
inline constexpr std::string_view kSymmetricCenter = "Symmetric Center : ";
inline constexpr std::string_view kPeriod = "T = ";
} // namespace piece

} // namespace oltrave
