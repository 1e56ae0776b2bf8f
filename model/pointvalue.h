#pragma once

#include <array>
#include <optional>

namespace oltrave {

// f(x) of the chosen family in the chosen mode, as the point evaluation
// computes it. Empty when the value cannot be computed (domain, overflow) or
// the family or mode is unknown.
std::optional<double> pointValue(int family, int absmode, const std::array<double, 4>& coef,
                                 double x);

} // namespace oltrave
