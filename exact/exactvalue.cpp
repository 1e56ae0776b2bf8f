#include "exactvalue.h"

#include <cmath>
#include <limits>
#include <optional>

#include <ginac/ginac.h>

#include "closedform.h"

namespace oltrave {

struct ExactValue::Impl {
    GiNaC::ex expression;
};

namespace {

using GiNaC::ex;
using GiNaC::numeric;

// Enough digits that the double nearest the value comes out of one rounding.
constexpr long kEvaluationDigits = 40;
// An integer power multiplies out only while the result stays about this short.
constexpr long kLargestPowerDigits = 400;
// The largest exponent numerator with which a sum is raised to a power.
constexpr long kLargestSymbolicPower = 16;

// Digits of a nonzero integer's magnitude, from its bit length (may count one more).
long digitEstimate(const numeric& n) {
    return static_cast<long>(std::ceil(GiNaC::abs(n).int_length() * 0.30103)) + 1;
}

bool powerFits(const numeric& base, const numeric& exponent) {
    if (!base.is_rational() || base.is_zero() || !exponent.is_rational())
        return false;
    const numeric whole = exponent.numer();
    if (GiNaC::abs(whole) > numeric(kLargestPowerDigits))
        return false;
    const long digits = std::max(digitEstimate(base.numer()), digitEstimate(base.denom()));
    return GiNaC::abs(whole).to_long() * digits <= kLargestPowerDigits;
}

} // namespace

ExactValue ExactValue::fromExpression(const GiNaC::ex& expression) {
    // Kept in the canonical shape when it has one, so that equal values share
    // one form and later sums and products cancel as they should.
    if (const std::optional<ClosedForm> form = ClosedForm::of(expression))
        return ExactValue(std::make_shared<const Impl>(Impl{form->expression()}));
    return ExactValue(std::make_shared<const Impl>(Impl{expression}));
}

namespace {

// Runs one exact step; a step GiNaC refuses (a pole, a division by zero)
// leaves the value unknown.
template <typename Step> ExactValue guarded(Step&& step) {
    try {
        return step();
    } catch (const std::exception&) {
        return ExactValue();
    }
}

} // namespace

ExactValue ExactValue::integer(long value) {
    return fromExpression(numeric(value));
}

ExactValue ExactValue::rational(long numerator, long denominator) {
    return guarded([&] { return fromExpression(numeric(numerator) / numeric(denominator)); });
}

ExactValue ExactValue::pi() {
    static const ExactValue value = fromExpression(GiNaC::Pi);
    return value;
}

const GiNaC::ex& ExactValue::expression() const {
    return impl_->expression;
}

double ExactValue::toDouble() const {
    if (!impl_)
        return std::numeric_limits<double>::quiet_NaN();
    const ex& e = impl_->expression;
    if (GiNaC::is_a<numeric>(e) && GiNaC::ex_to<numeric>(e).is_rational())
        return GiNaC::ex_to<numeric>(e).to_double();
    const long saved = GiNaC::Digits;
    GiNaC::Digits = kEvaluationDigits;
    double value = std::numeric_limits<double>::quiet_NaN();
    try {
        const ex approximation = GiNaC::evalf(e);
        if (GiNaC::is_a<numeric>(approximation) && GiNaC::ex_to<numeric>(approximation).is_real())
            value = GiNaC::ex_to<numeric>(approximation).to_double();
    } catch (const std::exception&) {
    }
    GiNaC::Digits = saved;
    return value;
}

bool ExactValue::isZero() const {
    return impl_ && impl_->expression.is_zero();
}

ExactValue operator+(const ExactValue& a, const ExactValue& b) {
    if (!a || !b)
        return {};
    return guarded([&] { return ExactValue::fromExpression(a.expression() + b.expression()); });
}

ExactValue operator-(const ExactValue& a, const ExactValue& b) {
    if (!a || !b)
        return {};
    return guarded([&] { return ExactValue::fromExpression(a.expression() - b.expression()); });
}

ExactValue operator*(const ExactValue& a, const ExactValue& b) {
    if (!a || !b)
        return {};
    return guarded([&] { return ExactValue::fromExpression(a.expression() * b.expression()); });
}

ExactValue operator/(const ExactValue& a, const ExactValue& b) {
    if (!a || !b || b.isZero())
        return {};
    return guarded([&] {
        // 1 / (r + s√n) = (r − s√n) / (r² − s² n): the quotient keeps the shape.
        if (const std::optional<ClosedForm> divisor = ClosedForm::of(b.expression());
            divisor && divisor->isQuadraticSurd() && !divisor->roots().empty()) {
            const auto& [n, s] = *divisor->roots().begin();
            const numeric& r = divisor->rational();
            const ex conjugate = r - s * GiNaC::sqrt(ex(n));
            return ExactValue::fromExpression(a.expression() * conjugate / (r * r - s * s * n));
        }
        return ExactValue::fromExpression(a.expression() / b.expression());
    });
}

ExactValue ExactValue::operator-() const {
    if (!impl_)
        return {};
    return guarded([&] { return fromExpression(-expression()); });
}

ExactValue ExactValue::sqrt() const {
    if (!impl_)
        return {};
    return guarded([&] { return fromExpression(GiNaC::sqrt(expression())); });
}

ExactValue ExactValue::pow(const ExactValue& exponent) const {
    if (!impl_ || !exponent)
        return {};
    const ex& base = expression();
    const ex& power = exponent.expression();
    // GiNaC throws on 0 to a negative power and loses the object it built,
    // so a zero base is settled here.
    if (base.is_zero()) {
        if (!GiNaC::is_a<numeric>(power) || !GiNaC::ex_to<numeric>(power).is_real())
            return {};
        const numeric& k = GiNaC::ex_to<numeric>(power);
        return k.is_zero() ? integer(1) : k.is_positive() ? integer(0) : ExactValue();
    }
    // Powers are multiplied out only while they stay short: a rational power of
    // a rational by the digits it would take, a power of anything else by the
    // size of the exponent's numerator.
    if (GiNaC::is_a<numeric>(power)) {
        const numeric& k = GiNaC::ex_to<numeric>(power);
        if (GiNaC::is_a<numeric>(base)) {
            const numeric& b = GiNaC::ex_to<numeric>(base);
            if (!b.is_zero() && !powerFits(b, k))
                return {};
        } else if (!k.is_rational() || GiNaC::abs(k.numer()) > numeric(kLargestSymbolicPower)) {
            return {};
        }
    }
    return guarded([&] { return fromExpression(GiNaC::pow(base, power)); });
}

ExactValue ExactValue::sin() const {
    if (!impl_)
        return {};
    return guarded([&] { return fromExpression(GiNaC::sin(expression())); });
}

ExactValue ExactValue::cos() const {
    if (!impl_)
        return {};
    return guarded([&] { return fromExpression(GiNaC::cos(expression())); });
}

ExactValue ExactValue::tan() const {
    if (!impl_)
        return {};
    // A pole is settled before GiNaC throws on it (and loses what it built).
    return guarded([&] {
        if (ex(GiNaC::cos(expression())).is_zero())
            return ExactValue();
        return fromExpression(GiNaC::tan(expression()));
    });
}

ExactValue ExactValue::log() const {
    if (!impl_ || isZero())
        return {};
    return guarded([&] { return fromExpression(GiNaC::log(expression())); });
}

} // namespace oltrave
