#include "rowmarks.h"

#include <algorithm>
#include <limits>

#include "rows.h"

namespace oltrave {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

double plane(const Real& number) {
    return nearestDouble(number);
}

double stepOf(const XValue& x) {
    return x.step ? plane(*x.step) : 0;
}

Mark pointMark(MarkKind kind, const XValue& x, const Real& y) {
    const double at = plane(y);
    return {kind, MarkShape::Point, plane(x.base), at, stepOf(x), at};
}

Mark verticalMark(MarkKind kind, const XValue& x) {
    return {kind, MarkShape::Vertical, plane(x.base), 0, stepOf(x), 0};
}

Mark horizontalMark(MarkKind kind, const Real& y) {
    return {kind, MarkShape::Horizontal, 0, plane(y), 0, plane(y)};
}

// An interval's stretch; an open end runs to the edge of the view.
Stretch spanStretch(const Span& span) {
    return {span.from ? plane(*span.from) : -kInfinity, span.to ? plane(*span.to) : kInfinity,
            span.step ? plane(*span.step) : 0};
}

class Lines {
public:
    explicit Lines(const DrawnCurve& curve) : curve_(curve) {}

    void add(AnalysisProperty property, std::vector<Mark> marks,
             std::optional<Stretch> stretch = std::nullopt) {
        if (marks.empty() && !stretch)
            return;
        lines_.push_back({static_cast<int>(property), {}, curve_, std::move(marks), stretch});
    }
    void addSpans(AnalysisProperty property, const std::vector<Span>& spans) {
        for (const Span& span : spans)
            add(property, {}, spanStretch(span));
    }

    std::vector<MarkedLine> take() { return std::move(lines_); }

private:
    const DrawnCurve& curve_;
    std::vector<MarkedLine> lines_;
};

} // namespace

std::vector<MarkedLine> analysisMarkedLines(const Analysis& an, const DrawnCurve& curve) {
    using P = AnalysisProperty;
    Lines lines(curve);

    lines.addSpans(P::Domain, an.domain);
    std::vector<Mark> gaps;
    for (const XValue& x : an.domainExcept)
        gaps.push_back(verticalMark(MarkKind::Asymptote, x));
    lines.add(P::Domain, std::move(gaps));

    std::vector<Mark> bounds;
    for (const Span& span : an.range) {
        for (const std::optional<Real>& end : {span.from, span.to}) {
            if (end)
                bounds.push_back(horizontalMark(MarkKind::Extremum, *end));
        }
    }
    lines.add(P::Range, std::move(bounds));

    const XValue origin{Real::whole(0), std::nullopt};
    if (an.parity == Parity::Even)
        lines.add(P::Parity, {verticalMark(MarkKind::SymmetryAxis, origin)});
    else if (an.parity == Parity::Odd)
        lines.add(P::Parity, {pointMark(MarkKind::SymmetricCentre, origin, Real::whole(0))});

    // One period, from x = 0.
    if (an.period)
        lines.add(P::Period, {}, Stretch{0, plane(*an.period), 0});

    std::vector<Mark> zeros;
    for (const XValue& x : an.zeros)
        zeros.push_back(pointMark(MarkKind::Zero, x, Real::whole(0)));
    lines.add(P::Zeros, std::move(zeros));

    if (an.yIntercept)
        lines.add(P::YIntercept, {pointMark(MarkKind::ValueAtZero, origin, *an.yIntercept)});

    std::vector<Mark> extrema;
    for (const Extremum& e : an.extrema)
        extrema.push_back(pointMark(MarkKind::Extremum, e.x, e.y));
    lines.add(P::Extrema, std::move(extrema));

    lines.addSpans(P::Increasing, an.increasing);
    lines.addSpans(P::Decreasing, an.decreasing);

    std::vector<Mark> axes;
    for (const XValue& x : an.axes)
        axes.push_back(verticalMark(MarkKind::SymmetryAxis, x));
    lines.add(P::Axes, std::move(axes));

    std::vector<Mark> centres;
    for (const CurvePoint& p : an.centres)
        centres.push_back(pointMark(MarkKind::SymmetricCentre, p.x, p.y));
    lines.add(P::Centres, std::move(centres));

    std::vector<Mark> asymptotes;
    for (const Asymptote& a : an.asymptotes) {
        asymptotes.push_back(a.vertical ? verticalMark(MarkKind::Asymptote, *a.vertical)
                                        : horizontalMark(MarkKind::Asymptote, a.level));
    }
    lines.add(P::Asymptotes, std::move(asymptotes));

    std::vector<Mark> inflections;
    for (const CurvePoint& p : an.inflections)
        inflections.push_back(pointMark(MarkKind::Extremum, p.x, p.y));
    lines.add(P::Inflections, std::move(inflections));

    return lines.take();
}

std::vector<MarkedLine> analysisLinesShown(const Analysis& analysis, const DrawnCurve& curve,
                                           const std::vector<int>& selectedRows, bool keyPoints) {
    const auto shown = [&](int row) {
        const auto property = static_cast<AnalysisProperty>(row);
        if (keyPoints &&
            (property == AnalysisProperty::Extrema || property == AnalysisProperty::Asymptotes ||
             property == AnalysisProperty::Inflections))
            return true;
        return std::find(selectedRows.begin(), selectedRows.end(), row) != selectedRows.end();
    };
    std::vector<MarkedLine> lines;
    for (MarkedLine& line : analysisMarkedLines(analysis, curve)) {
        if (shown(line.row))
            lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace oltrave
