#pragma once

#include <array>

#include "familytable.h"

namespace oltrave {

// One curve the plotting area shows: what a Print drew, kept so the area can
// be drawn again at another zoom and traced without reading pixels back.
struct DrawnCurve {
    int family = 0;
    int absmode = 0;
    std::array<double, kBoxCount> coef{};

    bool operator==(const DrawnCurve& other) const {
        return family == other.family && absmode == other.absmode && coef == other.coef;
    }
};

} // namespace oltrave
