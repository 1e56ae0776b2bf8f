#include "closedform.h"

#include <cstdint>
#include <utility>

namespace oltrave {

namespace {

using GiNaC::numeric;

// Trial divisors stop here; a cofactor below its cube that is not a square
// then has no repeated prime factor.
constexpr std::uint64_t kTrialLimit = 100000;
// A power's integer part beyond this is not worth multiplying out.
constexpr long kLargestPowerPart = 64;

// n = s² · m with m square-free, for n >= 1. Empty when a cofactor is left
// whose square-freeness the bounded trial division cannot settle.
struct SquareSplit {
    numeric square; // s
    numeric free;   // m
};

std::optional<SquareSplit> splitSmall(std::uint64_t n) {
    std::uint64_t s = 1;
    std::uint64_t m = 1;
    std::uint64_t d = 2;
    for (; d <= kTrialLimit && d * d * d <= n; d += (d == 2 ? 1 : 2)) {
        while (n % (d * d) == 0) {
            n /= d * d;
            s *= d;
        }
        if (n % d == 0) {
            n /= d;
            m *= d;
        }
    }
    // What is left has no prime factor below d.
    const numeric rest(static_cast<long>(n));
    const numeric root = GiNaC::isqrt(rest);
    if (root * root == rest)
        return SquareSplit{numeric(static_cast<long>(s)) * root, numeric(static_cast<long>(m))};
    if (d * d * d <= n)
        return std::nullopt; // could still be p² · q with p beyond the trial limit
    return SquareSplit{numeric(static_cast<long>(s)), numeric(static_cast<long>(m)) * rest};
}

std::optional<SquareSplit> splitLarge(numeric n) {
    numeric s = 1;
    numeric m = 1;
    long d = 2;
    constexpr long kLargeTrialLimit = 10000;
    for (; d <= kLargeTrialLimit; d += (d == 2 ? 1 : 2)) {
        const numeric dd(d * d);
        while (GiNaC::irem(n, dd).is_zero()) {
            n = GiNaC::iquo(n, dd);
            s *= d;
        }
        if (GiNaC::irem(n, d).is_zero()) {
            n = GiNaC::iquo(n, d);
            m *= d;
        }
    }
    const numeric root = GiNaC::isqrt(n);
    if (root * root == n)
        return SquareSplit{s * root, m};
    if (n > numeric(d).power(3))
        return std::nullopt;
    return SquareSplit{s, m * n};
}

std::optional<SquareSplit> splitSquares(const numeric& n) {
    if (n < numeric(static_cast<long>(1) << 62))
        return splitSmall(static_cast<std::uint64_t>(n.to_long()));
    return splitLarge(n);
}

// One product of the multiplied-out sum: coefficient · √radicand · π^piPower.
struct Term {
    numeric coefficient{1};
    numeric radicand{1};
    int piPower = 0;
};

// base^(m/2) with m odd: base^((m-1)/2) · √base, and √(p/q) = √(p q) / q.
bool takeHalfPower(Term& term, const numeric& base, const numeric& exponent) {
    if (!base.is_rational() || !base.is_positive() || !exponent.is_rational() ||
        exponent.denom() != 2)
        return false;
    const numeric whole = (exponent.numer() - 1) / 2;
    if (GiNaC::abs(whole) > kLargestPowerPart)
        return false;
    term.coefficient *= base.power(whole);
    term.radicand *= base.numer() * base.denom();
    term.coefficient /= base.denom();
    return true;
}

bool takeFactor(Term& term, const GiNaC::ex& factor) {
    if (GiNaC::is_a<numeric>(factor)) {
        const numeric& n = GiNaC::ex_to<numeric>(factor);
        if (!n.is_rational())
            return false;
        term.coefficient *= n;
        return true;
    }
    if (factor.is_equal(GiNaC::Pi)) {
        ++term.piPower;
        return true;
    }
    if (GiNaC::is_a<GiNaC::power>(factor) && GiNaC::is_a<numeric>(factor.op(0)) &&
        GiNaC::is_a<numeric>(factor.op(1)))
        return takeHalfPower(term, GiNaC::ex_to<numeric>(factor.op(0)),
                             GiNaC::ex_to<numeric>(factor.op(1)));
    return false;
}

std::optional<Term> termOf(const GiNaC::ex& product) {
    Term term;
    if (GiNaC::is_a<GiNaC::mul>(product)) {
        for (std::size_t i = 0; i < product.nops(); ++i) {
            if (!takeFactor(term, product.op(i)))
                return std::nullopt;
        }
    } else if (!takeFactor(term, product)) {
        return std::nullopt;
    }
    if (term.piPower > 1 || (term.piPower == 1 && term.radicand != 1))
        return std::nullopt;
    if (term.radicand != 1) {
        const std::optional<SquareSplit> split = splitSquares(term.radicand);
        if (!split)
            return std::nullopt;
        term.coefficient *= split->square;
        term.radicand = split->free;
    }
    return term;
}

} // namespace

std::optional<ClosedForm> ClosedForm::of(const GiNaC::ex& expression) {
    const GiNaC::ex sum = expression.expand();
    ClosedForm form;
    const auto add = [&form](const GiNaC::ex& product) {
        const std::optional<Term> term = termOf(product);
        if (!term)
            return false;
        if (term->piPower == 1)
            form.pi_ += term->coefficient;
        else if (term->radicand == 1)
            form.rational_ += term->coefficient;
        else
            form.addRoot(term->radicand, term->coefficient);
        return true;
    };
    if (GiNaC::is_a<GiNaC::add>(sum)) {
        for (std::size_t i = 0; i < sum.nops(); ++i) {
            if (!add(sum.op(i)))
                return std::nullopt;
        }
    } else if (!add(sum)) {
        return std::nullopt;
    }
    return form;
}

void ClosedForm::addRoot(const numeric& radicand, const numeric& coefficient) {
    numeric& held = roots_[radicand];
    held += coefficient;
    if (held.is_zero())
        roots_.erase(radicand);
}

GiNaC::ex ClosedForm::expression() const {
    GiNaC::ex sum = rational_;
    for (const auto& [radicand, coefficient] : roots_)
        sum += coefficient * GiNaC::sqrt(GiNaC::ex(radicand));
    sum += pi_ * GiNaC::Pi;
    return sum;
}

} // namespace oltrave
