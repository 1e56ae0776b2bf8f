#include "familytable.h"

namespace oltrave {

namespace {

// "Cubics Function" is the entry's spelling.
constexpr std::array<FamilyInfo, kFamilyCount> kFamilies{{
    {"Linear Function", "y = k x + b", {"k =", "b =", "", ""}, false},
    {"Quadratic Function", "y = a x ^ 2 + b x + c", {"a =", "b =", "c =", ""}, false},
    {"Cubics Function", "y = a x ^ 3 + b x ^ 2 + c x + d", {"a =", "b =", "c =", "d ="}, true},
    {"Sine Function", "y = A Sin ( ω x + φ ) + M", kTrigCaptions, true},
    {"Cosine Function", "y = A Cos ( ω x + φ ) + M", kTrigCaptions, true},
    {"Tangent Function", "y = A Tan ( ω x + φ ) + M", kTrigCaptions, true},
    {"Exponential Function", "y = a ^ x + M", {"a =", "M =", "", ""}, false},
    {"Logarithmic Function", "y = log a ( x ) + M", {"a =", "M =", "", ""}, false},
}};

} // namespace

const FamilyInfo* familyInfo(int family) {
    if (family < 0 || family >= kFamilyCount)
        return nullptr;
    return &kFamilies[static_cast<std::size_t>(family)];
}

bool coefficientsValid(FunctionFamily family, const std::array<double, kBoxCount>& coef) {
    const double lead = coef[0];
    switch (family) {
    case FunctionFamily::Linear:
    case FunctionFamily::Quadratic:
    case FunctionFamily::Cubic: return lead != 0;
    case FunctionFamily::Sine:
    case FunctionFamily::Cosine:
    case FunctionFamily::Tangent: return lead != 0 && coef[1] != 0;
    case FunctionFamily::Exponential:
    case FunctionFamily::Logarithmic: return lead != 0 && lead != 1 && lead >= 0;
    }
    return true;
}

} // namespace oltrave
