#include "parameterslider.h"

#include <algorithm>
#include <cmath>

#include "exact/exactreader.h"
#include "numtext.h"

namespace oltrave {

namespace {

constexpr int kDecimalReach = 50;  // ±5 in tenths
constexpr int kFractionReach = 20; // ±5 in quarters
constexpr int kAngleReach = 24;    // ±2π in twelfths of π
// Rounding left by origin + k·step below this share of a step is zero.
constexpr double kZeroShare = 1e-9;

} // namespace

ParameterSlider ParameterSlider::around(const Real& typed, StepKind kind) {
    ParameterSlider slider;
    slider.origin_ = typed;
    int reach = kDecimalReach;
    switch (kind) {
    case StepKind::Decimal:
        slider.origin_ = Real(typed.value);
        slider.step_ = Real(0.1);
        break;
    case StepKind::Fraction:
        slider.exact_ = true;
        slider.step_ = Real(0.25, ExactValue::rational(1, 4));
        reach = kFractionReach;
        break;
    case StepKind::Angle:
        slider.exact_ = true;
        slider.step_ = Real(M_PI / 12, ExactValue::pi() / ExactValue::integer(12));
        reach = kAngleReach;
        break;
    }
    slider.low_ = -reach;
    slider.high_ = reach;
    return slider;
}

void ParameterSlider::setPosition(int position) {
    at_ = low_ + std::clamp(position, 0, positions() - 1);
}

Real ParameterSlider::valueAt(int k) const {
    Real value = origin_ + Real::whole(k) * step_;
    if (value.exact)
        value.value = value.exact.toDouble();
    else if (std::fabs(value.value) < kZeroShare * step_.value)
        value.value = 0;
    return value;
}

std::string ParameterSlider::text(const Real& number) const {
    return exact_ ? realText(number) : numtext(number.value);
}

std::optional<Real> ParameterSlider::read(std::string_view text) const {
    if (exact_) {
        if (const std::optional<ExactReading> exact = readExact(text)) {
            if (std::isfinite(exact->nearest))
                return Real(exact->nearest, exact->value);
        }
    }
    const std::optional<double> value = numstrict(text);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return Real(*value);
}

bool ParameterSlider::reanchor(const Real& origin, const Real& step, double low, double high) {
    if (!(step.value > 0) || !std::isfinite(step.value))
        return false;
    const double value = this->value().value;
    // Whole steps from the origin to each end, the origin always inside.
    const double from = std::min(0.0, std::ceil((low - origin.value) / step.value - kZeroShare));
    const double to = std::max(0.0, std::floor((high - origin.value) / step.value + kZeroShare));
    if (!std::isfinite(from) || !std::isfinite(to) || to - from + 1 > kMostPositions)
        return false;
    origin_ = origin;
    step_ = step;
    low_ = static_cast<int>(from);
    high_ = static_cast<int>(to);
    // The value moves to the nearest position.
    const double k = std::round((value - origin.value) / step.value);
    at_ = static_cast<int>(std::clamp(k, from, to));
    return true;
}

bool ParameterSlider::enterValue(std::string_view text) {
    const std::optional<Real> value = read(text);
    if (!value || !reanchor(*value, step_, low().value, high().value))
        return false;
    at_ = 0;
    return true;
}

bool ParameterSlider::enterLow(std::string_view text) {
    const std::optional<Real> low = read(text);
    if (!low || !(low->value < high().value))
        return false;
    // The low end is the origin: the value typed is the first position.
    return reanchor(*low, step_, low->value, high().value);
}

bool ParameterSlider::enterHigh(std::string_view text) {
    const std::optional<Real> high = read(text);
    if (!high || !(high->value > low().value))
        return false;
    return reanchor(low(), step_, low().value, high->value);
}

bool ParameterSlider::enterStep(std::string_view text) {
    const std::optional<Real> step = read(text);
    if (!step)
        return false;
    return reanchor(value(), *step, low().value, high().value);
}

} // namespace oltrave
