#include "intersect.h"

#include <algorithm>
#include <cmath>

#include "analysis.h"
#include "crossings.h"
#include "families/factsupport.h"

namespace oltrave {

namespace {

using facts::signOf;

// As the analysis reads a decimal value a hair off 0.
constexpr double kDecimalZero = 1e-12;

// p[0] + p[1] x + p[2] x ^ 2 + p[3] x ^ 3.
using Polynomial = std::array<Real, 4>;

std::optional<Polynomial> polynomialOf(const AnalysedCurve& c) {
    if (!c.family->facts)
        return std::nullopt;
    return c.family->facts(c.coef).polynomial;
}

// One stretch of a curve on which it is a single polynomial; empty bounds
// are -∞ and +∞.
struct Piece {
    std::optional<Real> from;
    std::optional<Real> to;
    Polynomial p;
};

double valueOf(const Polynomial& p, double x) {
    return p[0].value + x * (p[1].value + x * (p[2].value + x * p[3].value));
}

Polynomial times(const Polynomial& p, int sign) {
    Polynomial q = p;
    if (sign < 0)
        for (Real& c : q)
            c = -c;
    return q;
}

AbsMode modeOf(const AnalysedCurve& c) {
    return c.family->hasModes ? c.mode : AbsMode::Plain;
}

// f(x), |f(x)| and f(|x|) of a polynomial as polynomial pieces.
std::vector<Piece> piecesOf(const AnalysedCurve& c, const Polynomial& p) {
    const Real zero = facts::whole(0, c.coef[0]);
    switch (modeOf(c)) {
    case AbsMode::OfArgument: {
        Polynomial mirrored = p;
        mirrored[1] = -p[1];
        mirrored[3] = -p[3];
        return {{std::nullopt, zero, mirrored}, {zero, std::nullopt, p}};
    }
    case AbsMode::OfValue: {
        std::vector<Real> cuts;
        if (const std::optional<Analysis> an = analyse(*c.family, AbsMode::Plain, c.coef))
            for (const XValue& z : an->zeros)
                cuts.push_back(z.base);
        std::vector<Piece> pieces;
        for (std::size_t i = 0; i <= cuts.size(); ++i) {
            Piece piece;
            if (i > 0)
                piece.from = cuts[i - 1];
            if (i < cuts.size())
                piece.to = cuts[i];
            const double inside = !piece.from ? (piece.to ? piece.to->value - 1 : 0)
                                  : !piece.to ? piece.from->value + 1
                                              : (piece.from->value + piece.to->value) / 2;
            piece.p = times(p, valueOf(p, inside) < 0 ? -1 : 1);
            pieces.push_back(std::move(piece));
        }
        return pieces;
    }
    default: return {{std::nullopt, std::nullopt, p}};
    }
}

bool atOrAfter(const Real& x, const std::optional<Real>& from) {
    return !from || signOf(x - *from) >= 0;
}
bool atOrBefore(const Real& x, const std::optional<Real>& to) {
    return !to || signOf(x - *to) <= 0;
}
const std::optional<Real>& later(const std::optional<Real>& a, const std::optional<Real>& b) {
    return !a || (b && b->value > a->value) ? b : a;
}
const std::optional<Real>& earlier(const std::optional<Real>& a, const std::optional<Real>& b) {
    return !a || (b && b->value < a->value) ? b : a;
}

class Meeting {
public:
    Meeting(const AnalysedCurve& a, const AnalysedCurve& b, double reach)
        : a_(a), b_(b), reach_(reach) {}

    Intersections polynomials(const Polynomial& a, const Polynomial& b) {
        bool everywhere = true;
        for (const Piece& pa : piecesOf(a_, a)) {
            for (const Piece& pb : piecesOf(b_, b)) {
                const std::optional<Real>& from = later(pa.from, pb.from);
                const std::optional<Real>& to = earlier(pa.to, pb.to);
                if (from && to && to->value < from->value)
                    continue;
                Polynomial q;
                for (std::size_t i = 0; i < q.size(); ++i)
                    q[i] = pa.p[i] - pb.p[i];
                int degree = 3;
                while (degree >= 0 && signOf(q[static_cast<std::size_t>(degree)]) == 0)
                    --degree;
                if (degree < 0) {
                    overlap(from, to);
                    continue;
                }
                everywhere = false;
                for (const Real& x : roots(q, degree, from, to))
                    if (atOrAfter(x, from) && atOrBefore(x, to))
                        add(x);
            }
        }
        result_.sameCurve = everywhere;
        return finish();
    }

    Intersections sampled() {
        const Coefficients ca = doubles(a_.coef);
        const Coefficients cb = doubles(b_.coef);
        const crossings::Found found = crossings::meetings(
            [&](double x) { return valueInMode(*a_.family, a_.mode, ca, x); },
            [&](double x) { return valueInMode(*b_.family, b_.mode, cb, x); }, -reach_, reach_);
        result_.sameCurve = found.everywhere;
        for (const crossings::Stretch& s : found.stretches)
            stretches_.push_back({Real(s.from), Real(s.to)});
        for (double x : found.points)
            add(Real(x));
        return finish();
    }

private:
    static Coefficients doubles(const RealCoefficients& c) {
        return {c[0].value, c[1].value, c[2].value, c[3].value};
    }

    std::vector<Real> roots(const Polynomial& q, int degree, const std::optional<Real>& from,
                            const std::optional<Real>& to) const {
        switch (degree) {
        case 1: return {-q[0] / q[1]};
        case 2: return facts::quadraticZeros(q[2], q[1], q[0]);
        case 3: {
            const double low = std::max(-reach_, from ? from->value : -reach_);
            const double high = std::min(reach_, to ? to->value : reach_);
            const auto at = [&](double x) { return std::optional<double>(valueOf(q, x)); };
            const auto none = [](double) { return std::optional<double>(0.0); };
            std::vector<Real> found;
            for (double x : crossings::meetings(at, none, low, high).points)
                found.emplace_back(x);
            if (low == high && valueOf(q, low) == 0)
                found.emplace_back(low);
            return found;
        }
        default: return {};
        }
    }

    void overlap(const std::optional<Real>& from, const std::optional<Real>& to) {
        if ((to && to->value < -reach_) || (from && from->value > reach_))
            return;
        const Real low = from && from->value > -reach_ ? *from : Real(-reach_);
        const Real high = to && to->value < reach_ ? *to : Real(reach_);
        stretches_.push_back({low, high});
    }

    void add(const Real& x) {
        if (std::fabs(x.value) > reach_)
            return;
        std::optional<Real> y = valueInMode(*a_.family, a_.mode, a_.coef, x);
        if (!y)
            return;
        // Rounding leaves a decimal meeting on the x axis a hair off it.
        if (!y->exact && std::fabs(y->value) < kDecimalZero)
            y->value = 0;
        result_.points.push_back({x, *y});
    }

    Intersections finish() {
        if (result_.sameCurve)
            return {{}, {}, true};
        std::sort(stretches_.begin(), stretches_.end(),
                  [](const Stretch& l, const Stretch& r) { return l.from.value < r.from.value; });
        std::vector<Stretch> united;
        for (const Stretch& s : stretches_) {
            if (!united.empty() && signOf(s.from - united.back().to) <= 0) {
                if (s.to.value > united.back().to.value)
                    united.back().to = s.to;
                continue;
            }
            united.push_back(s);
        }
        std::vector<Intersection>& points = result_.points;
        std::erase_if(points, [&](const Intersection& p) {
            return std::any_of(united.begin(), united.end(), [&](const Stretch& s) {
                return signOf(p.x - s.from) >= 0 && signOf(p.x - s.to) <= 0;
            });
        });
        for (const Stretch& s : united)
            result_.overlaps.push_back({s.from, s.to, true, true, std::nullopt});
        std::sort(points.begin(), points.end(), [](const Intersection& l, const Intersection& r) {
            return l.x.value < r.x.value;
        });
        // A meeting at the cut between two pieces is found on both sides.
        points.erase(std::unique(points.begin(), points.end(),
                                 [](const Intersection& l, const Intersection& r) {
                                     if (l.x.exact && r.x.exact)
                                         return facts::same(l.x, r.x);
                                     return std::fabs(l.x.value - r.x.value) <=
                                            1e-12 * std::max(1.0, std::fabs(l.x.value));
                                 }),
                     points.end());
        return result_;
    }

    struct Stretch {
        Real from;
        Real to;
    };

    const AnalysedCurve& a_;
    const AnalysedCurve& b_;
    double reach_;
    Intersections result_;
    std::vector<Stretch> stretches_;
};

} // namespace

Intersections intersect(const AnalysedCurve& a, const AnalysedCurve& b, double reach) {
    Meeting meeting(a, b, std::fabs(reach));
    const std::optional<Polynomial> pa = polynomialOf(a);
    const std::optional<Polynomial> pb = polynomialOf(b);
    if (pa && pb)
        return meeting.polynomials(*pa, *pb);
    return meeting.sampled();
}

} // namespace oltrave
