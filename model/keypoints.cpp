#include "keypoints.h"

#include <algorithm>
#include <cmath>

namespace oltrave {

namespace {

// Inside the view, ascending, each once, and not without end.
void tidy(std::vector<double>& xs, double reach) {
    xs.erase(std::remove_if(xs.begin(), xs.end(),
                            [reach](double x) { return !(std::fabs(x) <= reach); }),
             xs.end());
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    if (xs.size() > kMaxKeyPoints)
        xs.resize(kMaxKeyPoints);
}

// f(|x|) repeats the right half of f in the mirror of the y axis.
std::vector<double> mirrored(const std::vector<double>& xs) {
    std::vector<double> out;
    for (double x : xs) {
        if (x > 0) {
            out.push_back(-x);
            out.push_back(x);
        } else if (x == 0) {
            out.push_back(0);
        }
    }
    return out;
}

bool contains(const std::vector<double>& xs, double x) {
    return std::find(xs.begin(), xs.end(), x) != xs.end();
}

} // namespace

KeyPoints keyPointsInMode(const FamilyDescription& family, AbsMode mode, const Coefficients& coef,
                          double reach) {
    if (!family.keyPoints || !family.valid(coef) || !knownMode(mode) || !(reach >= 0))
        return {};
    KeyPoints points = family.keyPoints(coef, reach);
    switch (family.hasModes ? mode : AbsMode::Plain) {
    case AbsMode::OfValue:
        // |f| turns back up wherever f reaches 0.
        points.extrema.insert(points.extrema.end(), points.zeros.begin(), points.zeros.end());
        break;
    case AbsMode::OfArgument: {
        points.zeros = mirrored(points.zeros);
        points.extrema = mirrored(points.extrema);
        points.asymptotes = mirrored(points.asymptotes);
        // An even curve turns at x = 0, if it has a value there.
        const std::optional<double> atZero = valueInMode(family, AbsMode::OfArgument, coef, 0);
        if (atZero && !contains(points.asymptotes, 0))
            points.extrema.push_back(0);
        break;
    }
    default: break;
    }
    tidy(points.zeros, reach);
    tidy(points.extrema, reach);
    tidy(points.asymptotes, reach);
    return points;
}

} // namespace oltrave
