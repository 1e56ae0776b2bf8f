#include "plotted.h"

#include "analysis.h"
#include "model/form.h"

namespace oltrave {

std::optional<AnalysedCurve> plottedCurve(const Form& form) {
    if (!form.plotted() || form.drawnCurves().empty())
        return std::nullopt;
    const DrawnCurve& curve = form.drawnCurves().back();
    const FamilyDescription* family = familyDescription(curve.family);
    if (!family)
        return std::nullopt;
    AnalysedCurve analysed{family, curve.absmode, {}};
    for (int box = 0; box < kBoxCount; ++box) {
        const auto i = static_cast<std::size_t>(box);
        const Real read = form.coefficient(box);
        analysed.coef[i] = read.value == curve.coef[i] ? read : Real(curve.coef[i]);
    }
    return analysed;
}

AnalysedCurve analysedCurve(const DrawnCurve& curve, bool exact) {
    AnalysedCurve analysed{familyDescription(curve.family), curve.absmode, {}};
    for (std::size_t i = 0; i < analysed.coef.size(); ++i)
        analysed.coef[i] = exact ? Real(curve.coef[i], curve.exact[i]) : Real(curve.coef[i]);
    return analysed;
}

std::optional<Analysis> analysePlotted(const Form& form) {
    const std::optional<AnalysedCurve> curve = plottedCurve(form);
    if (!curve)
        return std::nullopt;
    return analyse(*curve->family, curve->mode, curve->coef);
}

} // namespace oltrave
