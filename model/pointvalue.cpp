#include "pointvalue.h"

#include <cmath>

#include "familytable.h"
#include "logarithm.h"

namespace oltrave {

namespace {

// Sums run left to right, each product first, as the evaluation writes them.
std::optional<double> compute(int family, int absmode, const std::array<double, 4>& coef,
                              double x) {
    const double a = coef[0];
    const double b = coef[1];
    const double c = coef[2];
    const double d = coef[3];
    const double ax = std::fabs(x);
    switch (static_cast<FunctionFamily>(family)) {
    case FunctionFamily::Linear:
        switch (absmode) {
        case 0: return x * a + b;
        case 1: return std::fabs(x * a + b);
        case 2: return ax * a + b;
        }
        break;
    case FunctionFamily::Quadratic:
        switch (absmode) {
        case 0: return std::pow(x, 2) * a + x * b + c;
        case 1: return std::fabs(std::pow(x, 2) * a + x * b + c);
        case 2: return std::pow(ax, 2) * a + ax * b + c;
        }
        break;
    case FunctionFamily::Cubic: return std::pow(x, 3) * a + std::pow(x, 2) * b + x * c + d;
    case FunctionFamily::Sine: return std::sin(x * b + c) * a + d;
    case FunctionFamily::Cosine: return std::cos(x * b + c) * a + d;
    case FunctionFamily::Tangent: return std::tan(x * b + c) * a + d;
    case FunctionFamily::Exponential:
        switch (absmode) {
        case 0: return std::pow(a, x) + b;
        case 1: return std::fabs(std::pow(a, x) + b);
        case 2: return std::pow(a, ax) + b;
        }
        break;
    case FunctionFamily::Logarithmic:
        switch (absmode) {
        case 0: return logBase(x, a) + b;
        case 1: return std::fabs(logBase(x, a) + b);
        case 2: return logBase(ax, a) + b;
        }
        break;
    }
    return std::nullopt;
}

} // namespace

std::optional<double> pointValue(int family, int absmode, const std::array<double, 4>& coef,
                                 double x) {
    const std::optional<double> y = compute(family, absmode, coef, x);
    if (y && !std::isfinite(*y))
        return std::nullopt;
    return y;
}

} // namespace oltrave
