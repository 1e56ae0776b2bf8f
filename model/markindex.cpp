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

void MarkIndex::add(int row, const DrawnCurve& curve, const std::string& text) {
    OnCurve& on = curves_[curve];
    const auto [found, isNew] = on.byText.try_emplace(text, on.repeats.size());
    if (isNew)
        on.repeats.emplace_back();
    on.repeats[found->second].push_back(row);
}

std::vector<int> MarkIndex::rowsOn(const std::vector<DrawnCurve>& curves,
                                   const std::vector<int>& selectedRows) const {
    std::vector<int> rows;
    std::unordered_set<const OnCurve*> taken;
    for (std::size_t i = 0; i < curves.size(); ++i) {
        // A curve printed again and again stands many times in a row: one
        // comparison is cheaper than a lookup.
        const DrawnCurve& curve = curves[i];
        if (i > 0 && curve == curves[i - 1])
            continue;
        const auto found = curves_.find(curve);
        if (found == curves_.end() || !taken.insert(&found->second).second)
            continue;
        for (const std::vector<int>& repeats : found->second.repeats) {
            bool selected = false;
            for (const int row : selectedRows) {
                if (std::binary_search(repeats.begin(), repeats.end(), row)) {
                    rows.push_back(row);
                    selected = true;
                }
            }
            if (!selected)
                rows.push_back(repeats.back());
        }
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

} // namespace oltrave
