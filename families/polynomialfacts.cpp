#include <algorithm>
#include <cmath>

#include "factsupport.h"
#include "pieces.h"

namespace oltrave {

using namespace facts;

namespace {

FunctionFacts polynomial(int degreeSign, int leadSign) {
    FunctionFacts result;
    result.analysis.domain = {whole()};
    // Odd degree: the ends go opposite ways.
    result.limits = polynomialEnds(degreeSign * leadSign, leadSign);
    return result;
}

Real cubicAt(const RealCoefficients& c, const Real& x) {
    return ((c[0] * x + c[1]) * x + c[2]) * x + c[3];
}

// A rational root near x, found among the continued fraction's convergents
// and confirmed exactly.
std::optional<Real> rationalRootNear(const RealCoefficients& c, double x) {
    constexpr double kLargestDenominator = 1e6;
    if (!std::isfinite(x) || std::fabs(x) > 1e12)
        return std::nullopt;
    double rest = x;
    double p0 = 1, q0 = 0, p1 = std::floor(rest), q1 = 1;
    for (int step = 0; step < 40 && q1 <= kLargestDenominator; ++step) {
        if (std::fabs(x - p1 / q1) <= 1e-7 * std::max(1.0, std::fabs(x))) {
            const Real candidate = ratio(std::lround(p1), std::lround(q1), c[0]);
            if (isZero(cubicAt(c, candidate)))
                return candidate;
        }
        const double fraction = rest - std::floor(rest);
        if (fraction < 1e-15)
            break;
        rest = 1 / fraction;
        const double digit = std::floor(rest);
        const double p2 = digit * p1 + p0, q2 = digit * q1 + q0;
        p0 = p1;
        q0 = q1;
        p1 = p2;
        q1 = q2;
    }
    return std::nullopt;
}

} // namespace

std::vector<Real> facts::cubicZeros(const RealCoefficients& c) {
    const Coefficients doubles{c[0].value, c[1].value, c[2].value, c[3].value};
    std::vector<double> roots = cubicRoots(doubles);
    std::sort(roots.begin(), roots.end());
    const bool exact = c[0].exact && c[1].exact && c[2].exact && c[3].exact;
    for (double root : exact ? roots : std::vector<double>{}) {
        const std::optional<Real> r = rationalRootNear(c, root);
        if (!r)
            continue;
        // a x ^ 3 + ... = (x - r)(a x ^ 2 + B x + C)
        const Real B = c[1] + c[0] * *r;
        const Real C = c[2] + B * *r;
        std::vector<Real> zeros = quadraticZeros(c[0], B, C);
        zeros.push_back(*r);
        std::sort(zeros.begin(), zeros.end(),
                  [](const Real& x, const Real& y) { return x.value < y.value; });
        zeros.erase(std::unique(zeros.begin(), zeros.end(), same), zeros.end());
        return zeros;
    }
    // Rounding splits a double root into two close ones.
    roots.erase(std::unique(roots.begin(), roots.end(),
                            [](double x, double y) {
                                return std::fabs(x - y) <= 1e-7 * std::max(1.0, std::fabs(x));
                            }),
                roots.end());
    std::vector<Real> zeros;
    for (double root : roots)
        zeros.emplace_back(root);
    return zeros;
}

FunctionFacts linearFacts(const RealCoefficients& c) {
    const Real& k = c[0];
    const Real& b = c[1];
    FunctionFacts result = polynomial(-1, signOf(k));
    result.polynomial = {b, k, whole(0, k), whole(0, k)};
    Analysis& an = result.analysis;
    const Real zero = -b / k;
    an.zeros = {single(zero)};
    an.parity = isZero(b) ? Parity::Odd : Parity::Neither;
    alternatingStretches(an, {}, k > 0);
    result.zeroCentres = {zero};
    return result;
}

FunctionFacts quadraticFacts(const RealCoefficients& c) {
    const Real& a = c[0];
    FunctionFacts result = polynomial(1, signOf(a));
    result.polynomial = {c[2], c[1], a, whole(0, a)};
    Analysis& an = result.analysis;
    for (const Real& zero : quadraticZeros(a, c[1], c[2]))
        an.zeros.push_back(single(zero));
    an.parity = isZero(c[1]) ? Parity::Even : Parity::Neither;
    const Real vertex = -c[1] / (2 * a);
    alternatingStretches(an, {vertex}, a < 0);
    an.axes = {single(vertex)};
    return result;
}

FunctionFacts cubicFacts(const RealCoefficients& c) {
    const Real& a = c[0];
    const Real& b = c[1];
    FunctionFacts result = polynomial(-1, signOf(a));
    result.polynomial = {c[3], c[2], b, a};
    Analysis& an = result.analysis;
    for (const Real& zero : cubicZeros(c))
        an.zeros.push_back(single(zero));
    an.parity = isZero(b) && isZero(c[3]) ? Parity::Odd : Parity::Neither;
    // The slope 3 a x ^ 2 + 2 b x + c changes sign only between two distinct roots.
    const Real slopeDisc = b * b - 3 * a * c[2];
    std::vector<Real> turns;
    if (signOf(slopeDisc) > 0)
        turns = quadraticZeros(3 * a, 2 * b, c[2]);
    alternatingStretches(an, turns, a > 0);
    // The curve is point-symmetric about its inflection.
    const Real x0 = -b / (3 * a);
    const Real y0 = cubicAt(c, x0);
    an.centres = {{single(x0), y0}};
    an.inflections = {{single(x0), y0}};
    if (isZero(y0, 1e-12))
        result.zeroCentres = {x0};
    return result;
}

// The lead's sign starts and stops the function and turns its stretches; the
// constant and linear terms are f(0) and f'(0), where f(| x |) folds.
std::vector<XValue> linearBoundaries(const RealCoefficients& c, int parameter) {
    return rootsIn(c, parameter,
                   {[](const RealCoefficients& k) { return k[0]; },
                    [](const RealCoefficients& k) { return k[1]; }});
}

std::vector<XValue> quadraticBoundaries(const RealCoefficients& c, int parameter) {
    return rootsIn(c, parameter,
                   {[](const RealCoefficients& k) { return k[0]; },
                    [](const RealCoefficients& k) { return k[1]; },
                    [](const RealCoefficients& k) { return k[2]; },
                    [](const RealCoefficients& k) { return k[1] * k[1] - 4 * k[0] * k[2]; }});
}

// Odd when b = d = 0; two turns while the slope's discriminant is positive;
// the zeros' count changes with the cubic's discriminant.
std::vector<XValue> cubicBoundaries(const RealCoefficients& c, int parameter) {
    return rootsIn(c, parameter,
                   {[](const RealCoefficients& k) { return k[0]; },
                    [](const RealCoefficients& k) { return k[1]; },
                    [](const RealCoefficients& k) { return k[3]; },
                    [](const RealCoefficients& k) { return k[1] * k[1] - 3 * k[0] * k[2]; },
                    [](const RealCoefficients& k) {
                        const Real &a = k[0], &b = k[1], &c = k[2], &d = k[3];
                        return 18 * a * b * c * d - 4 * b * b * b * d + b * b * c * c -
                               4 * a * c * c * c - 27 * a * a * d * d;
                    }});
}

} // namespace oltrave
