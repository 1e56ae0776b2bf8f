#include "factsupport.h"
#include "model/logarithm.h"

namespace oltrave {

using namespace facts;

FunctionFacts exponentialFacts(const RealCoefficients& c) {
    const Real& a = c[0];
    const Real& m = c[1];
    const bool rising = a > 1;
    FunctionFacts result;
    Analysis& an = result.analysis;
    an.domain = {whole()};
    // a ^ x = -M has its one solution only below the axis.
    if (signOf(m) < 0)
        an.zeros = {single(logBase(-m, a))};
    alternatingStretches(an, {}, rising);
    an.asymptotes = {{std::nullopt, m, rising ? Side::MinusInfinity : Side::PlusInfinity}};
    result.limits = {{EndLimit::End::MinusInfinity, Real(), rising ? m : infinity(1)},
                     {EndLimit::End::PlusInfinity, Real(), rising ? infinity(1) : m}};
    return result;
}

FunctionFacts logarithmicFacts(const RealCoefficients& c) {
    const Real& a = c[0];
    const Real& m = c[1];
    const bool rising = a > 1;
    const Real zero = whole(0, a);
    FunctionFacts result;
    Analysis& an = result.analysis;
    an.domain = {open(zero, std::nullopt)};
    an.zeros = {single(pow(a, -m))};
    an.increasing.clear();
    (rising ? an.increasing : an.decreasing).push_back(open(zero, std::nullopt));
    an.asymptotes = {{single(zero), Real(), Side::Both}};
    result.limits = {{EndLimit::End::RightOf, zero, infinity(rising ? -1 : 1)},
                     {EndLimit::End::PlusInfinity, Real(), infinity(rising ? 1 : -1)}};
    return result;
}

} // namespace oltrave

namespace oltrave {

// A base starts at 0 and stops at 1; a ^ x + M has a zero below M = 0 and, in
// f(| x |), one at 0 where M = -1.
std::vector<XValue> exponentialBoundaries(const RealCoefficients& c, int parameter) {
    return rootsIn(c, parameter,
                   {[](const RealCoefficients& k) { return k[0]; },
                    [](const RealCoefficients& k) { return k[0] - 1; },
                    [](const RealCoefficients& k) { return k[1]; },
                    [](const RealCoefficients& k) { return k[1] + 1; }});
}

// Only the base changes a logarithm's shape: M moves its one zero along.
std::vector<XValue> logarithmicBoundaries(const RealCoefficients& c, int parameter) {
    return rootsIn(c, parameter,
                   {[](const RealCoefficients& k) { return k[0]; },
                    [](const RealCoefficients& k) { return k[0] - 1; }});
}

} // namespace oltrave
