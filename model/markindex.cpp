#include "markindex.h"

#include <algorithm>
#include <functional>
#include <unordered_set>

namespace oltrave {

std::size_t MarkIndex::Hash::operator()(const DrawnCurve& curve) const {
    std::size_t h =
        std::hash<int>{}(curve.family) * 31 + std::hash<int>{}(modeIndex(curve.absmode));
    for (const double c : curve.coef)
        h = h * 1000003u ^ std::hash<double>{}(c); // 0 and -0 alike
    return h;
}

std::vector<int> MarkIndex::rowsOn(const std::vector<DrawnCurve>& curves) const {
    std::vector<int> rows;
    std::unordered_set<const std::vector<int>*> taken;
    for (const DrawnCurve& curve : curves) {
        const auto found = rows_.find(curve);
        if (found != rows_.end() && taken.insert(&found->second).second)
            rows.insert(rows.end(), found->second.begin(), found->second.end());
    }
    if (taken.size() > 1)
        std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace oltrave
