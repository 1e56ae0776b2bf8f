#pragma once

#include <memory>
#include <string>

namespace oltrave {

// A number known in closed form, or no value at all ("none"). Every operation
// with a none operand gives none, and so does an operation whose exact result
// cannot be formed (division by zero, a pole, a power too large to hold), so a
// chain of steps yields an exact value only when each step had one. A none
// value costs a null pointer: the decimal program carries it for free.
class ExactValue {
public:
    ExactValue() = default;

    static ExactValue integer(long value);
    static ExactValue rational(long numerator, long denominator);
    static ExactValue pi();

    bool known() const { return impl_ != nullptr; }
    explicit operator bool() const { return known(); }

    // The double nearest the value, or NaN when it is none or has no real value.
    double toDouble() const;
    // Whether the value is exactly zero; false for none.
    bool isZero() const;

    friend ExactValue operator+(const ExactValue& a, const ExactValue& b);
    friend ExactValue operator-(const ExactValue& a, const ExactValue& b);
    friend ExactValue operator*(const ExactValue& a, const ExactValue& b);
    friend ExactValue operator/(const ExactValue& a, const ExactValue& b);
    ExactValue operator-() const;

    ExactValue sqrt() const;
    ExactValue pow(const ExactValue& exponent) const;
    ExactValue sin() const;
    ExactValue cos() const;
    ExactValue tan() const;
    ExactValue log() const;

    // What the engine keeps of a value; only the engine knows what it holds.
    struct Impl;
    static ExactValue fromImpl(std::shared_ptr<const Impl> impl) {
        return ExactValue(std::move(impl));
    }
    const Impl* impl() const { return impl_.get(); }

private:
    explicit ExactValue(std::shared_ptr<const Impl> impl) : impl_(std::move(impl)) {}

    std::shared_ptr<const Impl> impl_;
};

} // namespace oltrave
