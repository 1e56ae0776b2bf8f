#include "curvesound.h"

#include "model/form.h"
#include "model/pointvalue.h"

namespace oltrave::sound {

std::optional<PlottedCurve> plottedCurve(const Form& form) {
    if (!form.plotted())
        return std::nullopt;
    return PlottedCurve{form.family(), form.absmode(), form.coef(), form.zoom()};
}

Samples renderCurve(const PlottedCurve& curve) {
    const CurveFunction f = [&curve](double x) {
        return pointValue(curve.family, curve.mode, curve.coef, x);
    };
    return renderSweep(f, curve.zoom, Cues{});
}

} // namespace oltrave::sound
