#pragma once

#include <cmath>
#include <string>
#include <utility>

#include "exact/exactvalue.h"

namespace oltrave {

// A number of the result lines: the double the decimal program computes, bit
// for bit, and beside it the exact value computed through the same steps when
// the inputs had exact values (only in exact mode; otherwise the exact part is
// none and costs a null pointer). Signs and comparisons are the double's, so
// the lines take the same branches in both modes.
struct Real {
    double value = 0;
    ExactValue exact;

    Real() = default;
    explicit Real(double v) : value(v) {}
    Real(double v, ExactValue e) : value(v), exact(std::move(e)) {}

    // A whole-number constant of a formula, exact in every mode.
    static Real whole(int n) { return {static_cast<double>(n), ExactValue::integer(n)}; }
};

namespace real {
// An operand's exact part joined with a whole-number constant only when it has one.
inline ExactValue withWhole(const ExactValue& e, int n) {
    return e ? ExactValue::integer(n) : ExactValue();
}
} // namespace real

inline Real operator+(const Real& a, const Real& b) {
    return {a.value + b.value, a.exact + b.exact};
}
inline Real operator-(const Real& a, const Real& b) {
    return {a.value - b.value, a.exact - b.exact};
}
inline Real operator*(const Real& a, const Real& b) {
    return {a.value * b.value, a.exact * b.exact};
}
inline Real operator/(const Real& a, const Real& b) {
    return {a.value / b.value, a.exact / b.exact};
}
inline Real operator-(const Real& a) {
    return {-a.value, -a.exact};
}

// A whole-number literal on either side, as C++ promotes it for the double.
inline Real operator*(int n, const Real& a) {
    return {n * a.value, real::withWhole(a.exact, n) * a.exact};
}
inline Real operator*(const Real& a, int n) {
    return {a.value * n, a.exact * real::withWhole(a.exact, n)};
}
inline Real operator/(const Real& a, int n) {
    return {a.value / n, a.exact / real::withWhole(a.exact, n)};
}
inline Real operator/(int n, const Real& a) {
    return {n / a.value, real::withWhole(a.exact, n) / a.exact};
}
inline Real operator+(const Real& a, int n) {
    return {a.value + n, a.exact + real::withWhole(a.exact, n)};
}
inline Real operator-(const Real& a, int n) {
    return {a.value - n, a.exact - real::withWhole(a.exact, n)};
}

// Decisions read the double.
inline bool operator<(const Real& a, double b) {
    return a.value < b;
}
inline bool operator>(const Real& a, double b) {
    return a.value > b;
}
inline bool operator<=(const Real& a, double b) {
    return a.value <= b;
}
inline bool operator>=(const Real& a, double b) {
    return a.value >= b;
}
inline bool operator==(const Real& a, double b) {
    return a.value == b;
}
inline bool operator!=(const Real& a, double b) {
    return a.value != b;
}
inline bool operator<(double a, const Real& b) {
    return a < b.value;
}
inline bool operator>(double a, const Real& b) {
    return a > b.value;
}
inline bool operator>=(double a, const Real& b) {
    return a >= b.value;
}
inline bool operator<=(double a, const Real& b) {
    return a <= b.value;
}
inline bool operator<(const Real& a, const Real& b) {
    return a.value < b.value;
}
inline bool operator>(const Real& a, const Real& b) {
    return a.value > b.value;
}
inline bool operator==(const Real& a, const Real& b) {
    return a.value == b.value;
}
inline bool operator!=(const Real& a, const Real& b) {
    return a.value != b.value;
}

// |a| by the double's sign.
inline Real fabs(const Real& a) {
    return {std::fabs(a.value), a.value < 0 ? -a.exact : a.exact};
}
inline Real sqrt(const Real& a) {
    return {std::sqrt(a.value), a.exact.sqrt()};
}
inline Real pow(const Real& a, int n) {
    return {std::pow(a.value, n), a.exact.pow(real::withWhole(a.exact, n))};
}
inline Real pow(const Real& a, const Real& b) {
    return {std::pow(a.value, b.value), a.exact.pow(b.exact)};
}
inline Real sin(const Real& a) {
    return {std::sin(a.value), a.exact.sin()};
}
inline Real cos(const Real& a) {
    return {std::cos(a.value), a.exact.cos()};
}
inline Real tan(const Real& a) {
    return {std::tan(a.value), a.exact.tan()};
}
inline Real log(const Real& a) {
    return {std::log(a.value), a.exact.log()};
}

// The exact value's text where it has one that can be written, else the
// decimal text.
std::string realText(const Real& number);

} // namespace oltrave
