#include "redrawncurves.h"

#include <algorithm>

namespace oltrave {

void RedrawnCurves::add(const DrawnCurve& curve) {
    const auto same = std::find(curves_.begin(), curves_.end(), curve);
    if (same != curves_.end())
        curves_.erase(same);
    else if (curves_.size() == kMostRedrawnCurves) {
        curves_.erase(curves_.begin());
        dropped_ = true;
    }
    curves_.push_back(curve);
}

bool RedrawnCurves::holds(const DrawnCurve& curve) const {
    return std::find(curves_.begin(), curves_.end(), curve) != curves_.end();
}

} // namespace oltrave
