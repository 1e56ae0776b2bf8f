#include <algorithm>

#include "factsupport.h"

namespace oltrave {

using namespace facts;

namespace {

// A wave(ω x + φ) + M in terms of its phase u = ω x + φ.
struct Phase {
    Real a, omega, phi, m, pi;

    explicit Phase(const RealCoefficients& c)
        : a(c[0]), omega(c[1]), phi(c[2]), m(c[3]), pi(facts::pi(c[1])) {}

    // The x where the phase is fraction * π.
    Real x(long numerator, long denominator) const {
        return (ratio(numerator, denominator, omega) * pi - phi) / omega;
    }
    Real x(const Real& u) const { return (u - phi) / omega; }
    // The x step of a phase step fraction * π.
    Real step(long numerator, long denominator) const {
        return ratio(numerator, denominator, omega) * pi / omega;
    }
    // Every x where the phase is fraction * π plus a whole number of steps.
    XValue every(long numerator, long denominator, long stepNumerator, long stepDenominator) const {
        return everyK(x(numerator, denominator), step(stepNumerator, stepDenominator));
    }
    // The stretch between two phases (in quarter turns of π/2), repeating every 2π.
    Span stretch(long fromHalves, long toHalves, long stepHalves) const {
        Real from = x(fromHalves, 2);
        Real to = x(toHalves, 2);
        if (from.value > to.value)
            std::swap(from, to);
        return {from, to, false, false, fabs(step(stepHalves, 2))};
    }
    bool rising() const { return (a > 0) == (omega > 0); }
    bool sinPhiZero() const { return isZero(sin(phi), kTrigTolerance); }
    bool cosPhiZero() const { return isZero(cos(phi), kTrigTolerance); }
};

void sortByBase(std::vector<XValue>& xs) {
    std::sort(xs.begin(), xs.end(),
              [](const XValue& p, const XValue& q) { return p.base.value < q.base.value; });
}
void sortByBase(std::vector<Extremum>& xs) {
    std::sort(xs.begin(), xs.end(),
              [](const Extremum& p, const Extremum& q) { return p.x.base.value < q.x.base.value; });
}

FunctionFacts waveFacts(const RealCoefficients& c, Wave wave) {
    const Phase p(c);
    const bool sine = wave == Wave::Sine;
    FunctionFacts result;
    result.periodic = true;
    Analysis& an = result.analysis;
    an.domain = {whole()};
    an.period = fabs(p.step(2, 1));
    an.range = {{p.m - fabs(p.a), p.m + fabs(p.a), true, true, std::nullopt}};
    an.yIntercept = (sine ? sin(p.phi) : cos(p.phi)) * p.a + p.m;

    // wave(u) = -M / A
    const Real level = -p.m / p.a;
    const int beyond = signOf(fabs(level) - whole(1, level));
    if (isZero(p.m)) {
        an.zeros = {p.every(sine ? 0 : 1, 2, 1, 1)};
    } else if (beyond == 0) {
        // The curve touches the axis once a period.
        const bool up = level > 0;
        an.zeros = {sine ? p.every(up ? 1 : -1, 2, 2, 1) : p.every(up ? 0 : 1, 1, 2, 1)};
    } else if (beyond < 0) {
        const Real theta = inverseWave(wave, level);
        const Real other = sine ? p.pi - theta : -theta;
        const Real step = p.step(2, 1);
        an.zeros = {everyK(p.x(theta), step), everyK(p.x(other), step)};
        sortByBase(an.zeros);
    }

    // Crests where A wave(u) = |A|.
    const bool positive = p.a > 0;
    const Real high = p.m + fabs(p.a);
    const Real low = p.m - fabs(p.a);
    if (sine) {
        an.extrema = {{ExtremumKind::Max, p.every(positive ? 1 : -1, 2, 2, 1), high},
                      {ExtremumKind::Min, p.every(positive ? -1 : 1, 2, 2, 1), low}};
    } else {
        an.extrema = {{ExtremumKind::Max, p.every(positive ? 0 : 1, 1, 2, 1), high},
                      {ExtremumKind::Min, p.every(positive ? 1 : 0, 1, 2, 1), low}};
    }
    sortByBase(an.extrema);

    // The wave itself rises on (-π/2, π/2) (sine) or (π, 2π) (cosine).
    const Span up = sine ? p.stretch(-1, 1, 4) : p.stretch(2, 4, 4);
    const Span down = sine ? p.stretch(1, 3, 4) : p.stretch(0, 2, 4);
    an.increasing = {p.rising() ? up : down};
    an.decreasing = {p.rising() ? down : up};

    an.axes = {p.every(sine ? 1 : 0, 2, 1, 1)};
    const XValue centre = p.every(sine ? 0 : 1, 2, 1, 1);
    an.centres = {{centre, p.m}};
    an.inflections = {{centre, p.m}};

    const bool oddWave = sine ? p.sinPhiZero() : p.cosPhiZero();
    const bool evenWave = sine ? p.cosPhiZero() : p.sinPhiZero();
    if (evenWave)
        an.parity = Parity::Even;
    else if (oddWave && isZero(p.m))
        an.parity = Parity::Odd;
    return result;
}

} // namespace

FunctionFacts sineFacts(const RealCoefficients& c) {
    return waveFacts(c, Wave::Sine);
}

FunctionFacts cosineFacts(const RealCoefficients& c) {
    return waveFacts(c, Wave::Cosine);
}

FunctionFacts tangentFacts(const RealCoefficients& c) {
    const Phase p(c);
    FunctionFacts result;
    result.periodic = true;
    Analysis& an = result.analysis;
    const XValue pole = p.every(1, 2, 1, 1);
    an.domainExcept = {pole};
    an.period = fabs(p.step(1, 1));
    an.range = {whole()};
    if (!p.cosPhiZero())
        an.yIntercept = tan(p.phi) * p.a + p.m;
    an.zeros = {everyK(p.x(inverseWave(Wave::Tangent, -p.m / p.a)), p.step(1, 1))};
    const Span branch = p.stretch(-1, 1, 2);
    (p.rising() ? an.increasing : an.decreasing).push_back(branch);
    // Each branch's middle and each asymptote's foot on y = M.
    an.centres = {{p.every(0, 1, 1, 2), p.m}};
    an.inflections = {{p.every(0, 1, 1, 1), p.m}};
    an.asymptotes = {{pole, Real(), Side::Both}};
    if (isZero(p.m) && (p.sinPhiZero() || p.cosPhiZero()))
        an.parity = Parity::Odd;
    return result;
}

} // namespace oltrave

namespace oltrave {

using namespace facts;

namespace {

// The function needs A and ω; the zeros change in number with M and where
// -M/A crosses ±1.
std::vector<XValue> amplitudeLevels(const RealCoefficients& c, int parameter) {
    return rootsIn(c, parameter,
                   {[](const RealCoefficients& k) { return k[0]; },
                    [](const RealCoefficients& k) { return k[1]; },
                    [](const RealCoefficients& k) { return k[3]; }});
}

// The parity changes where sin φ or cos φ vanishes: φ = π/2 * k.
void addQuarterTurns(std::vector<XValue>& into, const RealCoefficients& c, int parameter) {
    if (parameter == 2)
        into.push_back(everyK(whole(0, c[2]), ratio(1, 2, c[2]) * pi(c[2])));
}

} // namespace

std::vector<XValue> waveBoundaries(const RealCoefficients& c, int parameter) {
    std::vector<XValue> found = amplitudeLevels(c, parameter);
    for (const XValue& x : rootsIn(
             c, parameter, {[](const RealCoefficients& k) { return k[3] * k[3] - k[0] * k[0]; }}))
        found.push_back(x);
    addQuarterTurns(found, c, parameter);
    return found;
}

std::vector<XValue> tangentBoundaries(const RealCoefficients& c, int parameter) {
    std::vector<XValue> found = amplitudeLevels(c, parameter);
    addQuarterTurns(found, c, parameter);
    return found;
}

} // namespace oltrave
