#include "plotted.h"

#include "analysis.h"
#include "model/form.h"

namespace oltrave {

std::optional<CurveSpec> plottedCurve(const Form& form) {
    if (!form.plotted() || form.drawnCurves().empty())
        return std::nullopt;
    const DrawnCurve& curve = form.drawnCurves().back();
    const FamilyDescription* family = familyDescription(curve.family);
    if (!family)
        return std::nullopt;
    CurveSpec spec{family, curve.absmode, {}};
    for (int box = 0; box < kBoxCount; ++box) {
        const auto i = static_cast<std::size_t>(box);
        const Real read = form.coefficient(box);
        spec.coef[i] = read.value == curve.coef[i] ? read : Real(curve.coef[i]);
    }
    return spec;
}

std::optional<Analysis> analysePlotted(const Form& form) {
    const std::optional<CurveSpec> curve = plottedCurve(form);
    if (!curve)
        return std::nullopt;
    return analyse(*curve->family, curve->mode, curve->coef);
}

} // namespace oltrave
