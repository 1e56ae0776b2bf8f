#include "curvesound.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "model/familytable.h"
#include "model/form.h"
#include "model/keypoints.h"

namespace oltrave::sound {

namespace {

// A mark's x and a key point's x come from different arithmetic: they agree
// to far less than a pixel.
constexpr double kSameXFraction = 1e-9;

} // namespace

std::optional<DrawnCurve> plottedCurve(const Form& form) {
    if (!form.plotted())
        return std::nullopt;
    return DrawnCurve{form.family(), form.absmode(), form.coef()};
}

Samples renderCurve(const DrawnCurve& curve, double zoom) {
    const FamilyDescription* family = familyDescription(curve.family);
    if (!family)
        return renderSweep([](double) { return std::nullopt; }, zoom, Cues{});
    const CurveFunction f = [family, &curve](double x) {
        return valueInMode(*family, curve.absmode, curve.coef, x);
    };
    KeyPoints marks = keyPointsInMode(*family, curve.absmode, curve.coef, zoom);
    return renderSweep(
        f, zoom,
        Cues{std::move(marks.zeros), std::move(marks.extrema), std::move(marks.asymptotes)});
}

std::optional<CueKind> cueAt(const DrawnCurve& curve, double zoom, double x) {
    const FamilyDescription* family = familyDescription(curve.family);
    if (!family)
        return std::nullopt;
    const KeyPoints points = keyPointsInMode(*family, curve.absmode, curve.coef, zoom);
    const double near = zoom * kSameXFraction;
    const auto holds = [x, near](const std::vector<double>& xs) {
        return std::any_of(xs.begin(), xs.end(),
                           [x, near](double p) { return std::fabs(p - x) <= near; });
    };
    if (holds(points.zeros))
        return CueKind::Zero;
    if (holds(points.extrema))
        return CueKind::Extremum;
    if (holds(points.asymptotes))
        return CueKind::Asymptote;
    return std::nullopt;
}

} // namespace oltrave::sound
