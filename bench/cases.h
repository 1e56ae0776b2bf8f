#pragma once

#include <array>

namespace oltrave::bench {

// One valid function per family, as a person types it; the boxes a family
// hides stay empty.
struct FamilyCase {
    const char* name;
    int family;
    std::array<const char*, 4> boxes;
};

inline constexpr std::array<FamilyCase, 8> kFamilyCases{{
    {"linear", 0, {"2", "-4", "", ""}},
    {"quadratic", 1, {"1", "-3", "2", ""}},
    {"cubic", 2, {"1", "-6", "11", "-6"}},
    {"sine", 3, {"2", "2", "1", "-1"}},
    {"cosine", 4, {"2", "2", "1", "-1"}},
    {"tangent", 5, {"2", "2", "1", "-1"}},
    {"exponential", 6, {"2", "3", "", ""}},
    {"logarithmic", 7, {"10", "2", "", ""}},
}};

// The same families with exact texts, for exact mode: fractions, π and roots.
inline constexpr std::array<FamilyCase, 8> kExactFamilyCases{{
    {"linear", 0, {"2/3", "-π", "", ""}},
    {"quadratic", 1, {"1/3", "1", "-1", ""}},
    {"cubic", 2, {"1/2", "-√3", "0", "2π"}},
    {"sine", 3, {"2", "2", "π/3", "-1"}},
    {"cosine", 4, {"2", "-2", "π/3", "1"}},
    {"tangent", 5, {"1", "2", "π/3", "-1"}},
    {"exponential", 6, {"1/2", "-3/4", "", ""}},
    {"logarithmic", 7, {"4", "-√2", "", ""}},
}};

} // namespace oltrave::bench
