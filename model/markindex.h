#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "drawncurve.h"

namespace oltrave {

// The rows that name something on the plot, by the curve they belong to, so
// that the marks over the curves on the area are found without reading the
// lines of every curve printed since. Rows of one curve with the same text
// name the same marks, so they are kept together and drawn once.
class MarkIndex {
public:
    // Rows arrive in list order.
    void add(int row, const DrawnCurve& curve, const std::string& text);
    void clear() { curves_.clear(); }
    // The rows of these curves, in list order, one for each distinct line:
    // its newest row, or the selected rows among its repeats. A curve given
    // twice counts once.
    std::vector<int> rowsOn(const std::vector<DrawnCurve>& curves,
                            const std::vector<int>& selectedRows) const;

private:
    // The curve as equality sees it: family, mode and the coefficients.
    struct Hash {
        std::size_t operator()(const DrawnCurve& curve) const;
    };
    struct OnCurve {
        std::vector<std::vector<int>> repeats; // the rows of each distinct text, ascending
        std::unordered_map<std::string, std::size_t> byText;
    };
    std::unordered_map<DrawnCurve, OnCurve, Hash> curves_;
};

} // namespace oltrave
