#include "factsupport.h"

#include <algorithm>
#include <array>

namespace oltrave::facts {

void alternatingStretches(Analysis& analysis, const std::vector<Real>& turns, bool rising) {
    std::optional<Real> from;
    for (std::size_t i = 0; i <= turns.size(); ++i) {
        const std::optional<Real> to =
            i < turns.size() ? std::optional<Real>(turns[i]) : std::nullopt;
        (rising ? analysis.increasing : analysis.decreasing).push_back(open(from, to));
        rising = !rising;
        from = to;
    }
}

std::vector<Real> quadraticZeros(const Real& a, const Real& b, const Real& c) {
    const Real disc = b * b - 4 * a * c;
    const int s = signOf(disc);
    if (s < 0)
        return {};
    if (s == 0)
        return {-b / (2 * a)};
    const Real root = sqrt(disc);
    Real first = (-b - root) / (2 * a);
    Real second = (-b + root) / (2 * a);
    if (first.value > second.value)
        std::swap(first, second);
    return {first, second};
}

namespace {

Real waveOf(Wave wave, const Real& angle) {
    switch (wave) {
    case Wave::Sine: return sin(angle);
    case Wave::Cosine: return cos(angle);
    case Wave::Tangent: return tan(angle);
    }
    return angle;
}

double inverseDouble(Wave wave, double level) {
    switch (wave) {
    case Wave::Sine: return std::asin(std::clamp(level, -1.0, 1.0));
    case Wave::Cosine: return std::acos(std::clamp(level, -1.0, 1.0));
    case Wave::Tangent: return std::atan(level);
    }
    return 0;
}

} // namespace

Real inverseWave(Wave wave, const Real& level) {
    const double angle = inverseDouble(wave, level.value);
    if (!level.exact)
        return Real(angle);
    // The standard angles are whole multiples of π/12.
    const double twelfths = angle / std::numbers::pi * 12;
    const long near = std::lround(twelfths);
    if (std::fabs(twelfths - static_cast<double>(near)) < 1e-9) {
        const Real candidate = ratio(near, 12, level) * pi(level);
        if (same(waveOf(wave, candidate), level))
            return candidate;
    }
    return Real(angle);
}

std::vector<XValue> rootsIn(const RealCoefficients& c, int parameter,
                            std::initializer_list<Condition> conditions) {
    std::vector<XValue> roots;
    const auto moving = static_cast<std::size_t>(parameter);
    if (parameter < 0 || moving >= c.size())
        return roots;
    const Real& like = c[moving];
    // The condition as a cubic in t = the coefficient, through its values at
    // 0, 1, -1 and 2; the value at -2 tells a higher degree, which has no
    // closed form here.
    constexpr std::array<long, 5> kAt{0, 1, -1, 2, -2};
    for (const Condition condition : conditions) {
        std::array<Real, kAt.size()> g;
        double scale = 0;
        for (std::size_t k = 0; k < kAt.size(); ++k) {
            RealCoefficients at = c;
            at[moving] = whole(kAt[k], like);
            g[k] = condition(at);
            scale = std::max(scale, std::fabs(g[k].value));
        }
        if (!std::isfinite(scale))
            continue;
        const double tolerance = 1e-12 * scale;
        const Real d = g[0];
        const Real b = (g[1] + g[2]) / 2 - d;
        const Real odd = (g[1] - g[2]) / 2;
        const Real a = (g[3] - 4 * b - d - 2 * odd) / 6;
        const Real linear = odd - a;
        if (!isZero(8 * a - 4 * b + 2 * linear - d + g[4], 1e3 * tolerance))
            continue;
        std::vector<Real> found;
        if (!isZero(a, tolerance))
            found = cubicZeros({a, b, linear, d});
        else if (!isZero(b, tolerance))
            found = quadraticZeros(b, linear, d);
        else if (!isZero(linear, tolerance))
            found = {-d / linear};
        for (const Real& root : found)
            roots.push_back(single(root));
    }
    return roots;
}

} // namespace oltrave::facts
