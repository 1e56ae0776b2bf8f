#include "curvesound.h"

#include <algorithm>
#include <cmath>
#include <utility>

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

std::optional<CueKind> cueFor(const std::vector<Mark>& marks) {
    const auto any = [&marks](auto&& holds) {
        return std::any_of(marks.begin(), marks.end(), holds);
    };
    const bool asymptote = any([](const Mark& m) { return m.kind == MarkKind::Asymptote; });
    // A centre of symmetry or a value at 0 on the axis is a zero of the curve
    // too, unless the curve has no value there.
    const bool zero = any([asymptote](const Mark& m) {
        return m.kind == MarkKind::Zero || (!asymptote && m.shape == MarkShape::Point && m.y == 0);
    });
    if (zero)
        return CueKind::Zero;
    if (any([](const Mark& m) {
            return m.kind == MarkKind::Vertex || m.kind == MarkKind::Extremum;
        }))
        return CueKind::Extremum;
    if (asymptote)
        return CueKind::Asymptote;
    return std::nullopt;
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
