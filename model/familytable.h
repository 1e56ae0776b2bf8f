#pragma once

#include <array>
#include <string_view>

namespace oltrave {

// The chooser's entries, in list order; the index is the family number.
enum class FunctionFamily {
    Linear = 0,
    Quadratic = 1,
    Cubic = 2,
    Sine = 3,
    Cosine = 4,
    Tangent = 5,
    Exponential = 6,
    Logarithmic = 7,
};

inline constexpr int kFamilyCount = 8;
inline constexpr int kBoxCount = 4;

// Captions of the sine, cosine and tangent boxes.
inline constexpr std::array<std::string_view, kBoxCount> kTrigCaptions{"A =", "ω =", "φ =", "M ="};

// What choosing a family shows above and beside the coefficient boxes.
struct FamilyInfo {
    std::string_view entry;                           // chooser text
    std::string_view formulaTemplate;                 // formula label text
    std::array<std::string_view, kBoxCount> captions; // empty: box and label hidden
    bool locksModes;                                  // mode forced to f(x), mode labels disabled
};

// Nothing for an index outside the chooser's list.
const FamilyInfo* familyInfo(int family);

// Whether the coefficients give a function of the family: a non-zero leading
// coefficient; for sine, cosine and tangent a non-zero ω as well; for the
// exponential and the logarithm a positive base other than 1.
bool coefficientsValid(FunctionFamily family, const std::array<double, kBoxCount>& coef);

} // namespace oltrave
