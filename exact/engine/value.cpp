#include "engine.h"

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

ExactValue engine::valueOf(const GiNaC::ex& expression) {
    // Kept in the canonical shape when it has one, so that equal values share
    // one form and later sums and products cancel as they should.
    if (const std::optional<ClosedForm> form = ClosedForm::of(expression))
        return ExactValue::fromImpl(
            std::make_shared<const ExactValue::Impl>(ExactValue::Impl{form->expression()}));
    return ExactValue::fromImpl(
        std::make_shared<const ExactValue::Impl>(ExactValue::Impl{expression}));
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

ExactValue engine::integer(long value) {
    return valueOf(numeric(value));
}

ExactValue engine::rational(long numerator, long denominator) {
    return guarded([&] { return valueOf(numeric(numerator) / numeric(denominator)); });
}

ExactValue engine::pi() {
    static const ExactValue value = valueOf(GiNaC::Pi);
    return value;
}

const GiNaC::ex& engine::expressionOf(const ExactValue& value) {
    return value.impl()->expression;
}

double engine::toDouble(const ExactValue& value) {
    const ex& e = expressionOf(value);
    if (GiNaC::is_a<numeric>(e) && GiNaC::ex_to<numeric>(e).is_rational())
        return GiNaC::ex_to<numeric>(e).to_double();
    const long saved = GiNaC::Digits;
    GiNaC::Digits = kEvaluationDigits;
    double nearest = std::numeric_limits<double>::quiet_NaN();
    try {
        const ex approximation = GiNaC::evalf(e);
        if (GiNaC::is_a<numeric>(approximation) && GiNaC::ex_to<numeric>(approximation).is_real())
            nearest = GiNaC::ex_to<numeric>(approximation).to_double();
    } catch (const std::exception&) {
    }
    GiNaC::Digits = saved;
    return nearest;
}

bool engine::isZero(const ExactValue& value) {
    return expressionOf(value).is_zero();
}

ExactValue engine::add(const ExactValue& a, const ExactValue& b) {
    return guarded([&] { return valueOf(expressionOf(a) + expressionOf(b)); });
}

ExactValue engine::subtract(const ExactValue& a, const ExactValue& b) {
    return guarded([&] { return valueOf(expressionOf(a) - expressionOf(b)); });
}

ExactValue engine::multiply(const ExactValue& a, const ExactValue& b) {
    return guarded([&] { return valueOf(expressionOf(a) * expressionOf(b)); });
}

ExactValue engine::divide(const ExactValue& a, const ExactValue& b) {
    if (isZero(b))
        return {};
    return guarded([&] {
        // 1 / (r + s√n) = (r − s√n) / (r² − s² n): the quotient keeps the shape.
        if (const std::optional<ClosedForm> divisor = ClosedForm::of(expressionOf(b));
            divisor && divisor->isQuadraticSurd() && !divisor->roots().empty()) {
            const auto& [n, s] = *divisor->roots().begin();
            const numeric& r = divisor->rational();
            const ex conjugate = r - s * GiNaC::sqrt(ex(n));
            return valueOf(expressionOf(a) * conjugate / (r * r - s * s * n));
        }
        return valueOf(expressionOf(a) / expressionOf(b));
    });
}

ExactValue engine::negate(const ExactValue& a) {
    return guarded([&] { return valueOf(-expressionOf(a)); });
}

ExactValue engine::sqrt(const ExactValue& a) {
    return guarded([&] { return valueOf(GiNaC::sqrt(expressionOf(a))); });
}

ExactValue engine::pow(const ExactValue& a, const ExactValue& exponent) {
    const ex& base = expressionOf(a);
    const ex& power = expressionOf(exponent);
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
    return guarded([&] { return valueOf(GiNaC::pow(base, power)); });
}

ExactValue engine::sin(const ExactValue& a) {
    return guarded([&] { return valueOf(GiNaC::sin(expressionOf(a))); });
}

ExactValue engine::cos(const ExactValue& a) {
    return guarded([&] { return valueOf(GiNaC::cos(expressionOf(a))); });
}

ExactValue engine::tan(const ExactValue& a) {
    // A pole is settled before GiNaC throws on it (and loses what it built).
    return guarded([&] {
        if (ex(GiNaC::cos(expressionOf(a))).is_zero())
            return ExactValue();
        return valueOf(GiNaC::tan(expressionOf(a)));
    });
}

ExactValue engine::log(const ExactValue& a) {
    if (isZero(a))
        return {};
    return guarded([&] { return valueOf(GiNaC::log(expressionOf(a))); });
}

} // namespace oltrave
