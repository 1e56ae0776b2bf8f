#include "ticks.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/analysisfacts.h"
#include "model/numtext.h"

namespace oltrave {

namespace {

constexpr double kPi = std::numbers::pi;

// The k-th step of the ladder from the smallest step at least `least` long
// (in plane units): 1, 2, 5 times powers of ten, or the π ladder.
double stepOn(int k, bool pi) {
    if (pi && k < 2)
        return k == 0 ? kPi / 4 : kPi / 2;
    const int rung = pi ? k - 2 : k;
    const int decade = rung >= 0 ? rung / 3 : -((-rung + 2) / 3);
    const int within = rung - 3 * decade;
    const double mantissa[] = {1, 2, 5};
    return mantissa[within] * std::pow(10.0, decade) * (pi ? kPi : 1);
}

// The first rung whose step is at least `least`.
int firstRung(double least, bool pi) {
    int k = pi ? 0 : static_cast<int>(std::floor(std::log10(least))) * 3 - 3;
    while (stepOn(k, pi) < least)
        ++k;
    return k;
}

// n/d reduced.
long gcd(long a, long b) {
    return b == 0 ? a : gcd(b, a % b);
}

} // namespace

bool periodicOnly(const std::vector<DrawnCurve>& curves) {
    return !curves.empty() && std::all_of(curves.begin(), curves.end(), [](const DrawnCurve& c) {
        const FamilyDescription* family = familyDescription(c.family);
        if (!family || !family->facts || !family->valid(c.coef))
            return false;
        RealCoefficients coef;
        for (std::size_t i = 0; i < coef.size(); ++i)
            coef[i] = Real(c.coef[i]);
        return family->facts(coef).periodic;
    });
}

std::string tickLabel(double multiple, double step, bool pi) {
    if (!pi)
        return numtext(multiple * step);
    // The value in quarters of π.
    long quarters = std::lround(multiple * step / (kPi / 4));
    if (quarters == 0)
        return "0";
    const long g = gcd(std::labs(quarters), 4);
    const long num = quarters / g;
    const long den = 4 / g;
    std::string text = num == 1 ? "" : num == -1 ? "-" : std::to_string(num);
    text += "π";
    if (den != 1)
        text += "/" + std::to_string(den);
    return text;
}

AxisTicks placeTicks(double low, double high, double pixels, bool pi, const LabelExtent& extent) {
    AxisTicks result;
    result.pi = pi;
    const double span = high - low;
    if (!(span > 0) || !std::isfinite(span) || !(pixels >= kTickGap))
        return result;
    const double perUnit = pixels / span;
    for (int k = firstRung(kTickGap / perUnit, pi);; ++k) {
        const double step = stepOn(k, pi);
        // Zoomed in past π/4, π is no help.
        if (step > span)
            return pi ? placeTicks(low, high, pixels, false, extent) : result;
        const double first = std::ceil(low / step);
        const double last = std::floor(high / step);
        if (last - first > pixels)
            continue;
        std::vector<Tick> ticks;
        double widest = 0;
        for (double m = first; m <= last; ++m) {
            // A multiple of the step a rounding hair past an end stays out.
            const double value = m == 0 ? 0 : m * step;
            Tick tick{value, (value - low) * perUnit, tickLabel(m, step, pi)};
            const double size = extent(tick.label);
            if (tick.pixel - size / 2 < 0 || tick.pixel + size / 2 > pixels)
                tick.label.clear();
            else
                widest = std::max(widest, size);
            ticks.push_back(std::move(tick));
        }
        if (step * perUnit < widest + kLabelGap)
            continue;
        result.step = step;
        result.ticks = std::move(ticks);
        return result;
    }
}

} // namespace oltrave
