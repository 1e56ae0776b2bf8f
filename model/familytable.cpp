#include "familytable.h"

#include <cmath>

#include "absmode.h"
#include "plotcontext.h"

namespace oltrave {

namespace {

AbsMode modeOf(const FamilyDescription& family, AbsMode mode) {
    return family.hasModes ? mode : AbsMode::Plain;
}

} // namespace

bool plotFamily(const FamilyDescription& family, PlotContext& context) {
    family.sample(context, modeOf(family, context.absmode()));
    if (!family.valid(context.coefficients()))
        return false; // the plot command's tail reports it
    family.lines(context);
    return true;
}

std::optional<double> valueInMode(const FamilyDescription& family, AbsMode mode,
                                  const Coefficients& coef, double x) {
    const auto f = [&](double v) { return family.function(coef, v); };
    std::optional<double> y;
    withMode(modeOf(family, mode), [&](auto m) { y = inMode(m, f, x); });
    if (y && !std::isfinite(*y))
        return std::nullopt;
    return y;
}

std::optional<Real> valueInMode(const FamilyDescription& family, AbsMode mode,
                                const RealCoefficients& coef, const Real& x) {
    const auto f = [&](const Real& v) { return family.exactFunction(coef, v); };
    std::optional<Real> y;
    withMode(modeOf(family, mode), [&](auto m) { y = inMode(m, f, x); });
    if (y && !std::isfinite(y->value))
        return std::nullopt;
    return y;
}

} // namespace oltrave
