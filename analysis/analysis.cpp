#include "analysis.h"

#include <algorithm>
#include <cmath>

#include "chart.h"

namespace oltrave {

namespace {

using chart::Chart;
using chart::compare;
using End = EndLimit::End;

// A value that rounding left a hair off 0 in decimals.
constexpr double kDecimalZero = 1e-12;

// 0, exact beside exact coefficients.
Real zeroLike(const Real& like) {
    return {0, like.exact ? ExactValue::integer(0) : ExactValue()};
}

class Deriver {
public:
    Deriver(const FamilyDescription& family, AbsMode mode, const RealCoefficients& coef)
        : family_(family), mode_(mode), coef_(coef) {}

    std::optional<Real> at(const Real& x) const {
        std::optional<Real> y = valueInMode(family_, mode_, coef_, x);
        if (y && !y->exact && std::fabs(y->value) < kDecimalZero)
            y->value = 0;
        return y;
    }

    bool inDomain(const Analysis& an, const Real& x) const {
        for (const Span& s : an.domain) {
            const bool afterFrom =
                !s.from || compare(x, *s.from) > 0 || (s.closedFrom && compare(x, *s.from) == 0);
            const bool beforeTo =
                !s.to || compare(x, *s.to) < 0 || (s.closedTo && compare(x, *s.to) == 0);
            if (afterFrom && beforeTo)
                return true;
        }
        return false;
    }

    // Where f goes at an end of a stretch: its value there, or its limit.
    Real limitAt(const Chart& c, const std::optional<Real>& x, bool fromRight, bool upper) const {
        if (x && inDomain(c.analysis, *x)) {
            if (const std::optional<Real> y = at(*x))
                return *y;
        }
        for (const EndLimit& limit : c.limits) {
            const bool match = !x ? limit.end == (upper ? End::PlusInfinity : End::MinusInfinity)
                                  : (limit.end == (fromRight ? End::RightOf : End::LeftOf) &&
                                     compare(limit.at, *x) == 0);
            if (match)
                return limit.value;
        }
        return Real(std::nan(""));
    }

    void derive(const Chart& c, Analysis& an) const {
        an = c.analysis;
        const Real origin = zeroLike(coef_[0]);
        if (inDomain(an, origin))
            an.yIntercept = at(origin);
        for (const chart::Piece& piece : c.pieces)
            (piece.rising ? an.increasing : an.decreasing)
                .push_back({piece.from, piece.to, false, false, std::nullopt});

        std::vector<Span> images;
        for (std::size_t i = 0; i < c.pieces.size(); ++i) {
            const chart::Piece& piece = c.pieces[i];
            const Real low = limitAt(c, piece.from, true, false);
            const Real high = limitAt(c, piece.to, false, true);
            images.push_back(piece.rising ? between(low, high) : between(high, low));
            if (i + 1 == c.pieces.size())
                break;
            const chart::Piece& next = c.pieces[i + 1];
            if (!piece.to || !next.from || compare(*piece.to, *next.from) != 0 ||
                piece.rising == next.rising || !inDomain(an, *piece.to))
                continue;
            const std::optional<Real> y = at(*piece.to);
            if (!y)
                continue;
            an.extrema.push_back({piece.rising ? ExtremumKind::Max : ExtremumKind::Min,
                                  {*piece.to, std::nullopt},
                                  *y});
            images.push_back({*y, *y, true, true, std::nullopt});
        }
        an.range = unite(images);
    }

private:
    static Span between(const Real& low, const Real& high) {
        Span s;
        if (std::isfinite(low.value))
            s.from = low;
        if (std::isfinite(high.value))
            s.to = high;
        return s;
    }

    // Empty bounds are infinite; a lower one sorts first, an upper one last.
    static int compareLow(const Span& a, const Span& b) {
        if (!a.from || !b.from)
            return (b.from ? -1 : 0) + (a.from ? 1 : 0);
        return compare(*a.from, *b.from);
    }
    static int compareHigh(const std::optional<Real>& a, const std::optional<Real>& b) {
        if (!a || !b)
            return (a ? 0 : 1) - (b ? 0 : 1);
        return compare(*a, *b);
    }

    static std::vector<Span> unite(std::vector<Span> spans) {
        std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) {
            const int c = compareLow(a, b);
            return c < 0 || (c == 0 && a.closedFrom && !b.closedFrom);
        });
        std::vector<Span> united;
        for (const Span& s : spans) {
            if (!united.empty()) {
                Span& last = united.back();
                // Overlapping or touching with one side closed.
                const int gap = !s.from ? -1 : compareHigh(s.from, last.to);
                if (gap < 0 || (gap == 0 && (last.closedTo || s.closedFrom))) {
                    const int c = compareHigh(s.to, last.to);
                    if (c > 0) {
                        last.to = s.to;
                        last.closedTo = s.closedTo;
                    } else if (c == 0) {
                        last.closedTo = last.closedTo || s.closedTo;
                    }
                    if (compareLow(s, last) == 0)
                        last.closedFrom = last.closedFrom || s.closedFrom;
                    continue;
                }
            }
            united.push_back(s);
        }
        return united;
    }

    const FamilyDescription& family_;
    AbsMode mode_;
    const RealCoefficients& coef_;
};

} // namespace

std::optional<Analysis> analyse(const FamilyDescription& family, AbsMode mode,
                                const RealCoefficients& coef) {
    const Coefficients doubles{coef[0].value, coef[1].value, coef[2].value, coef[3].value};
    if (!family.valid(doubles) || !family.facts || !knownMode(mode))
        return std::nullopt;
    if (!family.hasModes)
        mode = AbsMode::Plain;
    const FunctionFacts facts = family.facts(coef);
    if (facts.periodic)
        return facts.analysis;

    Chart c = chart::fromFacts(facts);
    if (mode == AbsMode::OfValue) {
        c = chart::folded(c, [&](double x) {
            const double y = family.function(doubles, x);
            return (y > 0) - (y < 0);
        });
    } else if (mode == AbsMode::OfArgument) {
        c = chart::mirrored(c, zeroLike(coef[0]));
    }
    Analysis result;
    Deriver(family, mode, coef).derive(c, result);
    return result;
}

std::optional<Analysis> analyse(const FamilyDescription& family, AbsMode mode,
                                const Coefficients& coef) {
    RealCoefficients real;
    for (std::size_t i = 0; i < real.size(); ++i)
        real[i] = Real(coef[i]);
    return analyse(family, mode, real);
}

} // namespace oltrave
