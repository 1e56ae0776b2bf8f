#pragma once

#include <unordered_map>
#include <vector>

#include "drawncurve.h"

namespace oltrave {

// The rows that name something on the plot, by the curve they belong to, so
// that the marks over the curves on the area are found without reading the
// lines of every curve printed since.
class MarkIndex {
public:
    // Rows arrive in list order.
    void add(int row, const DrawnCurve& curve) { rows_[curve].push_back(row); }
    void clear() { rows_.clear(); }
    // The rows of these curves, in list order; a curve given twice counts once.
    std::vector<int> rowsOn(const std::vector<DrawnCurve>& curves) const;

private:
    // The curve as equality sees it: family, mode and the coefficients.
    struct Hash {
        std::size_t operator()(const DrawnCurve& curve) const;
    };
    std::unordered_map<DrawnCurve, std::vector<int>, Hash> rows_;
};

} // namespace oltrave
