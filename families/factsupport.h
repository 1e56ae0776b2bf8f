#pragma once

#include <cmath>
#include <initializer_list>
#include <limits>
#include <numbers>
#include <optional>
#include <vector>

#include "model/analysisfacts.h"
#include "model/familytable.h"

namespace oltrave {

// Helpers for the families' closed forms of the analysis. Decisions are taken
// on the exact values when the coefficients have them, on the doubles
// otherwise; a constant gets an exact value only beside an exact operand, so
// the decimal analysis never loads the exact engine.
namespace facts {

inline constexpr double kInf = std::numeric_limits<double>::infinity();

// A whole number with an exact value when like has one.
inline Real whole(long n, const Real& like) {
    return {static_cast<double>(n), like.exact ? ExactValue::integer(n) : ExactValue()};
}
inline Real ratio(long p, long q, const Real& like) {
    return {static_cast<double>(p) / static_cast<double>(q),
            like.exact ? ExactValue::rational(p, q) : ExactValue()};
}
// π, exact beside an exact operand.
inline Real pi(const Real& like) {
    return {std::numbers::pi, like.exact ? ExactValue::pi() : ExactValue()};
}
inline Real infinity(int sign) {
    return Real(sign * kInf);
}

// Zero exactly when v has an exact value; otherwise within tolerance of it.
inline bool isZero(const Real& v, double tolerance = 0) {
    return v.exact ? v.exact.isZero() : std::fabs(v.value) <= tolerance;
}
// -1, 0 or +1, with 0 decided as isZero does.
inline int signOf(const Real& v, double tolerance = 0) {
    if (isZero(v, tolerance))
        return 0;
    return (v.value > 0) - (v.value < 0);
}
inline bool same(const Real& a, const Real& b) {
    return isZero(a - b);
}
// A tolerance for a sine, cosine or tangent of a decimal phase: π itself has no double.
inline constexpr double kTrigTolerance = 1e-12;

inline XValue single(const Real& x) {
    return {x, std::nullopt};
}
inline XValue everyK(const Real& x, const Real& step) {
    return {x, fabs(step)};
}
inline Span whole() {
    return {};
}
inline Span open(std::optional<Real> from, std::optional<Real> to) {
    return {std::move(from), std::move(to), false, false, std::nullopt};
}

// An unbounded polynomial end: f tends to sign * ∞ at -∞ and +∞.
inline std::vector<EndLimit> polynomialEnds(int atMinus, int atPlus) {
    return {{EndLimit::End::MinusInfinity, Real(), infinity(atMinus)},
            {EndLimit::End::PlusInfinity, Real(), infinity(atPlus)}};
}

// Stretches of alternating direction between the given x's, ascending: the
// first from -∞, the last to +∞; rising says how the first goes.
void alternatingStretches(Analysis& analysis, const std::vector<Real>& turns, bool rising);

// The real roots of a x ^ 2 + b x + c, ascending, a double root once.
std::vector<Real> quadraticZeros(const Real& a, const Real& b, const Real& c);

// An angle θ of one period with wave(θ) = level in closed form when level is a
// standard value (0, ±1/2, ±√2/2, ±√3/2, ±1; for the tangent also ±√3/3, ±√3),
// in decimals otherwise; θ in [-π/2, π/2] for the sine and tangent, [0, π] for
// the cosine.
enum class Wave { Sine, Cosine, Tangent };
Real inverseWave(Wave wave, const Real& level);

// The real roots of a x ^ 3 + b x ^ 2 + c x + d (a not 0), ascending: in closed
// form when exact coefficients give a rational root, in decimals otherwise.
std::vector<Real> cubicZeros(const RealCoefficients& c);

// A closed form of the coefficients that vanishes where the shape may change,
// of degree 3 at most in each coefficient (a discriminant, M ^ 2 - A ^ 2).
using Condition = Real (*)(const RealCoefficients& c);
// Where the conditions vanish as the coefficient numbered parameter moves and
// the others stay: each condition's roots in that coefficient, in closed form.
std::vector<XValue> rootsIn(const RealCoefficients& c, int parameter,
                            std::initializer_list<Condition> conditions);

} // namespace facts

// The families' closed forms.
FunctionFacts linearFacts(const RealCoefficients& c);
FunctionFacts quadraticFacts(const RealCoefficients& c);
FunctionFacts cubicFacts(const RealCoefficients& c);
FunctionFacts sineFacts(const RealCoefficients& c);
FunctionFacts cosineFacts(const RealCoefficients& c);
FunctionFacts tangentFacts(const RealCoefficients& c);
FunctionFacts exponentialFacts(const RealCoefficients& c);
FunctionFacts logarithmicFacts(const RealCoefficients& c);

// Where each family's shape may change as one coefficient moves.
std::vector<XValue> linearBoundaries(const RealCoefficients& c, int parameter);
std::vector<XValue> quadraticBoundaries(const RealCoefficients& c, int parameter);
std::vector<XValue> cubicBoundaries(const RealCoefficients& c, int parameter);
std::vector<XValue> waveBoundaries(const RealCoefficients& c, int parameter);
std::vector<XValue> tangentBoundaries(const RealCoefficients& c, int parameter);
std::vector<XValue> exponentialBoundaries(const RealCoefficients& c, int parameter);
std::vector<XValue> logarithmicBoundaries(const RealCoefficients& c, int parameter);

} // namespace oltrave
