#include "curvesound.h"

#include <algorithm>
#include <utility>

#include "model/familytable.h"
#include "model/form.h"
#include "model/keypoints.h"

namespace oltrave::sound {

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

} // namespace oltrave::sound
