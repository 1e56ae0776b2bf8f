#pragma once

#include <string>
#include <string_view>

namespace oltrave {

// A number placed in a result line; written with numtext.
struct Num {
    double value;
};

// One result line joined from fixed pieces and numbers. A line that received a
// number that is not finite is not valid and is never appended: its step failed.
class ResultLine {
public:
    ResultLine() = default;

    ResultLine& operator<<(std::string_view piece);
    ResultLine& operator<<(Num number);
    ResultLine& operator<<(const ResultLine& other);

    bool valid() const { return valid_; }
    const std::string& text() const { return text_; }

private:
    std::string text_;
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
