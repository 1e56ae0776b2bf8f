#pragma once

#include <optional>

#include "model/analysisfacts.h"
#include "model/familytable.h"

namespace oltrave {

// The complete analysis of the family's function in the mode (f(x), |f(x)|
// or f(|x|); a family without modes is always f(x)), for the coefficients as
// Print reads them. Empty when they give no function of the family or the
// mode is unknown.
std::optional<Analysis> analyse(const FamilyDescription& family, AbsMode mode,
                                const RealCoefficients& coef);

// The same for decimal coefficients.
std::optional<Analysis> analyse(const FamilyDescription& family, AbsMode mode,
                                const Coefficients& coef);

} // namespace oltrave
