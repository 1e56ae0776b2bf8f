#include "curvesound.h"

#include <utility>

#include "model/familytable.h"
#include "model/keypoints.h"
#include "model/form.h"

namespace oltrave::sound {

std::optional<PlottedCurve> plottedCurve(const Form& form) {
    if (!form.plotted())
        return std::nullopt;
    return PlottedCurve{form.family(), form.absmode(), form.coef(), form.zoom()};
}

Samples renderCurve(const PlottedCurve& curve) {
    const FamilyDescription* family = familyDescription(curve.family);
    if (!family)
        return renderSweep([](double) { return std::nullopt; }, curve.zoom, Cues{});
    const CurveFunction f = [family, &curve](double x) {
        return valueInMode(*family, curve.mode, curve.coef, x);
    };
    KeyPoints marks = keyPointsInMode(*family, curve.mode, curve.coef, curve.zoom);
    return renderSweep(f, curve.zoom,
                       Cues{std::move(marks.zeros), std::move(marks.extrema),
                            std::move(marks.asymptotes)});
}

} // namespace oltrave::sound
