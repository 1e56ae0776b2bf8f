#pragma once

#include <map>
#include <optional>

#include <ginac/ginac.h>

namespace oltrave {

// A value of the shape r + s1·√n1 + … + t·π: r, the si and t rational, the ni
// distinct square-free integers above 1, listed by increasing radicand. No
// stored coefficient is zero.
class ClosedForm {
public:
    struct RadicandOrder {
        bool operator()(const GiNaC::numeric& a, const GiNaC::numeric& b) const { return a < b; }
    };
    using Roots = std::map<GiNaC::numeric, GiNaC::numeric, RadicandOrder>;

    // The shape of an expression, after multiplying out; empty when it has
    // another shape (a logarithm, sin 1, π², π·√2, a root of a sum, …) or when
    // a radicand is too large to split into its square and square-free parts
    // cheaply.
    static std::optional<ClosedForm> of(const GiNaC::ex& expression);

    const GiNaC::numeric& rational() const { return rational_; }
    const Roots& roots() const { return roots_; }
    const GiNaC::numeric& piCoefficient() const { return pi_; }

    bool isRational() const { return roots_.empty() && pi_.is_zero(); }
    // r + s·√n with at most one root term and no π term.
    bool isQuadraticSurd() const { return roots_.size() <= 1 && pi_.is_zero(); }

    // The value rebuilt as a GiNaC expression in this canonical shape.
    GiNaC::ex expression() const;

private:
    void addRoot(const GiNaC::numeric& radicand, const GiNaC::numeric& coefficient);

    GiNaC::numeric rational_{0};
    Roots roots_;
    GiNaC::numeric pi_{0};
};

} // namespace oltrave
