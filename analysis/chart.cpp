#include "chart.h"

#include <algorithm>
#include <cmath>

namespace oltrave::chart {

namespace {

using End = EndLimit::End;

bool finite(const Real& v) {
    return std::isfinite(v.value);
}

void sortUnique(std::vector<XValue>& xs) {
    std::sort(xs.begin(), xs.end(),
              [](const XValue& a, const XValue& b) { return a.base.value < b.base.value; });
    xs.erase(
        std::unique(xs.begin(), xs.end(),
                    [](const XValue& a, const XValue& b) { return compare(a.base, b.base) == 0; }),
        xs.end());
}

void sortPoints(std::vector<CurvePoint>& points) {
    std::sort(points.begin(), points.end(), [](const CurvePoint& a, const CurvePoint& b) {
        return a.x.base.value < b.x.base.value;
    });
}

bool isPlainZero(const Real& x) {
    return x.exact ? x.exact.isZero() : x.value == 0;
}

} // namespace

int compare(const Real& a, const Real& b) {
    if (!finite(a) || !finite(b) || !a.exact || !b.exact)
        return (a.value > b.value) - (a.value < b.value);
    const Real d = a - b;
    if (d.exact.isZero())
        return 0;
    return d.value > 0 ? 1 : -1;
}

Chart fromFacts(const FunctionFacts& facts) {
    Chart chart;
    chart.analysis = facts.analysis;
    chart.analysis.increasing.clear();
    chart.analysis.decreasing.clear();
    // Both lists ascend; merged in order of their starts.
    const std::vector<Span>& up = facts.analysis.increasing;
    const std::vector<Span>& down = facts.analysis.decreasing;
    std::size_t i = 0, j = 0;
    while (i < up.size() || j < down.size()) {
        const bool takeUp =
            j == down.size() ||
            (i < up.size() &&
             (!up[i].from || (down[j].from && up[i].from->value < down[j].from->value)));
        const Span& s = takeUp ? up[i++] : down[j++];
        chart.pieces.push_back({s.from, s.to, takeUp});
    }
    chart.limits = facts.limits;
    chart.zeroCentres = facts.zeroCentres;
    return chart;
}

Chart folded(const Chart& f, const std::function<int(double)>& signAt) {
    Chart g;
    Analysis& an = g.analysis;
    const Analysis& fa = f.analysis;
    an.domain = fa.domain;
    an.zeros = fa.zeros;
    an.parity = fa.parity == Parity::Neither ? Parity::Neither : Parity::Even;
    // Where f crosses the axis the bars turn a fall into a rise.
    for (const Piece& piece : f.pieces) {
        std::vector<std::optional<Real>> cuts{piece.from};
        for (const XValue& zero : fa.zeros) {
            if ((!piece.from || zero.base.value > piece.from->value) &&
                (!piece.to || zero.base.value < piece.to->value))
                cuts.emplace_back(zero.base);
        }
        cuts.push_back(piece.to);
        for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
            const std::optional<Real>& from = cuts[i];
            const std::optional<Real>& to = cuts[i + 1];
            const double inside = from && to ? (from->value + to->value) / 2
                                  : from     ? from->value + 1
                                  : to       ? to->value - 1
                                             : 0;
            const bool rising = signAt(inside) < 0 ? !piece.rising : piece.rising;
            if (!g.pieces.empty() && g.pieces.back().rising == rising && g.pieces.back().to &&
                from && compare(*g.pieces.back().to, *from) == 0)
                g.pieces.back().to = to; // the same way on both sides of a touching zero
            else
                g.pieces.push_back({from, to, rising});
        }
    }
    for (const EndLimit& limit : f.limits)
        g.limits.push_back({limit.end, limit.at, fabs(limit.value)});
    an.axes = fa.axes;
    for (const Real& c : f.zeroCentres)
        an.axes.push_back({c, std::nullopt});
    for (const CurvePoint& centre : fa.centres) {
        if (isPlainZero(centre.y))
            an.axes.push_back(centre.x);
    }
    sortUnique(an.axes);
    for (const Asymptote& asymptote : fa.asymptotes)
        an.asymptotes.push_back({asymptote.vertical, fabs(asymptote.level), asymptote.side});
    // An inflection on the axis becomes a corner.
    for (const CurvePoint& point : fa.inflections) {
        if (!isPlainZero(point.y))
            an.inflections.push_back({point.x, fabs(point.y)});
    }
    return g;
}

Chart mirrored(const Chart& f, const Real& origin) {
    Chart g;
    Analysis& an = g.analysis;
    const Analysis& fa = f.analysis;
    const auto positive = [](const Real& x) { return x.value > 0; };

    // The domain: f's on x >= 0 and its mirror image.
    std::vector<Span> right;
    bool zeroInside = false;
    for (const Span& s : fa.domain) {
        if (s.to && s.to->value <= 0)
            continue;
        Span part = s;
        if (!s.from || s.from->value < 0 || (s.from->value == 0 && s.closedFrom)) {
            zeroInside = true;
            part.from = origin;
            part.closedFrom = true;
        }
        right.push_back(part);
    }
    std::vector<Span> left;
    for (auto it = right.rbegin(); it != right.rend(); ++it) {
        Span m;
        m.from = it->to ? std::optional<Real>(-*it->to) : std::nullopt;
        m.to = -*it->from;
        m.closedFrom = it->closedTo;
        m.closedTo = it->closedFrom;
        left.push_back(m);
    }
    if (zeroInside && !left.empty() && !right.empty()) {
        left.back().to = right.front().to;
        left.back().closedTo = right.front().closedTo;
        right.erase(right.begin());
    }
    an.domain = left;
    an.domain.insert(an.domain.end(), right.begin(), right.end());

    an.parity = Parity::Even;
    for (const XValue& zero : fa.zeros) {
        if (positive(zero.base))
            an.zeros.push_back({-zero.base, std::nullopt});
        if (!(zero.base.value < 0))
            an.zeros.push_back(zero);
    }
    sortUnique(an.zeros);

    // The stretches right of the axis, then their mirror images, each turned.
    std::vector<Piece> rightPieces;
    for (const Piece& piece : f.pieces) {
        if (piece.to && piece.to->value <= 0)
            continue;
        Piece part = piece;
        if (!part.from || part.from->value < 0)
            part.from = origin;
        rightPieces.push_back(part);
    }
    for (auto it = rightPieces.rbegin(); it != rightPieces.rend(); ++it)
        g.pieces.push_back(
            {it->to ? std::optional<Real>(-*it->to) : std::nullopt, -*it->from, !it->rising});
    g.pieces.insert(g.pieces.end(), rightPieces.begin(), rightPieces.end());

    for (const EndLimit& limit : f.limits) {
        switch (limit.end) {
        case End::PlusInfinity:
            g.limits.push_back(limit);
            g.limits.push_back({End::MinusInfinity, limit.at, limit.value});
            break;
        case End::RightOf:
        case End::LeftOf:
            if (limit.at.value < 0 || (limit.at.value == 0 && limit.end == End::LeftOf))
                break;
            g.limits.push_back(limit);
            g.limits.push_back(
                {limit.end == End::RightOf ? End::LeftOf : End::RightOf, -limit.at, limit.value});
            break;
        case End::MinusInfinity: break;
        }
    }

    an.axes = {{origin, std::nullopt}};
    if (fa.parity == Parity::Even) {
        an.axes.insert(an.axes.end(), fa.axes.begin(), fa.axes.end());
        an.centres = fa.centres;
    }
    sortUnique(an.axes);

    for (const Asymptote& asymptote : fa.asymptotes) {
        if (asymptote.vertical) {
            const Real& c = asymptote.vertical->base;
            if (positive(c))
                an.asymptotes.push_back({XValue{-c, std::nullopt}, Real(), Side::Both});
            if (!(c.value < 0))
                an.asymptotes.push_back(asymptote);
        } else if (asymptote.side != Side::MinusInfinity) {
            an.asymptotes.push_back({std::nullopt, asymptote.level, Side::Both});
        }
    }
    // A point of inflection on the axis of symmetry would be a corner.
    for (const CurvePoint& point : fa.inflections) {
        if (positive(point.x.base)) {
            an.inflections.push_back({{-point.x.base, std::nullopt}, point.y});
            an.inflections.push_back(point);
        }
    }
    sortPoints(an.inflections);
    return g;
}

} // namespace oltrave::chart
