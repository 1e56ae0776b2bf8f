#pragma once

#include <array>
#include <optional>

#include "familytable.h"

namespace oltrave {

// One curve the plotting area shows: what a Print drew, kept so the area can
// be drawn again at another zoom and traced without reading pixels back.
struct DrawnCurve {
    int family = 0;
    AbsMode absmode = AbsMode::Plain;
    Coefficients coef{};
    // What the boxes read in exact mode when it was printed (none in decimal
    // mode), so its meetings can be given in closed form later. The doubles
    // alone say which curve it is.
    ExactCoefficients exact{};

    bool operator==(const DrawnCurve& other) const {
        return family == other.family && absmode == other.absmode && coef == other.coef;
    }

    // The curve's value at x in its mode, as Calculate computes it.
    std::optional<double> valueAt(double x) const {
        const FamilyDescription* description = familyDescription(family);
        if (!description)
            return std::nullopt;
        return valueInMode(*description, absmode, coef, x);
    }
};

} // namespace oltrave
