#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "real.h"

namespace oltrave {

// How a coefficient's slider steps by default.
enum class StepKind {
    Decimal,  // 0.1
    Fraction, // 1/4, exact
    Angle,    // π/12, exact
};

// One coefficient's slider: the values origin + k·step for whole k from low
// to high. Each value is computed from the origin, never by adding steps up,
// so decimals do not drift and exact values stay exact.
class ParameterSlider {
public:
    // The most positions a range may hold; a finer step is refused.
    static constexpr int kMostPositions = 100000;

    // Around a typed value: ±5 in steps of 0.1 (decimal), 1/4 (fraction) or
    // ±2π in steps of π/12 (angle).
    static ParameterSlider around(const Real& typed, StepKind kind);

    // Positions 0 .. positions() - 1, lowest value first.
    int positions() const { return high_ - low_ + 1; }
    int position() const { return at_ - low_; }
    // Clamped to the range.
    void setPosition(int position);
    void stepBy(int steps) { setPosition(position() + steps); }

    Real value() const { return valueAt(at_); }
    Real valueAtPosition(int position) const { return valueAt(low_ + position); }
    Real low() const { return valueAt(low_); }
    Real high() const { return valueAt(high_); }
    const Real& step() const { return step_; }
    bool exact() const { return exact_; }

    // A number as this slider writes it: exactly when it can.
    std::string text(const Real& number) const;

    // Edits. Each reads its text (exactly in exact mode, where it can) and
    // returns false, changing nothing, when the text is no usable number.
    // A value outside the range widens it; a new step or value becomes the
    // origin, so the value typed is one of the positions.
    bool enterValue(std::string_view text);
    bool enterLow(std::string_view text);
    bool enterHigh(std::string_view text);
    bool enterStep(std::string_view text);

private:
    Real valueAt(int k) const;
    std::optional<Real> read(std::string_view text) const;
    // Moves the origin to number, keeping the range's ends as near as the
    // grid allows. False when the range would hold too many positions.
    bool reanchor(const Real& origin, const Real& step, double low, double high);

    Real origin_;
    Real step_{0.1};
    int low_ = 0;
    int high_ = 0;
    int at_ = 0;
    bool exact_ = false;
};

} // namespace oltrave
