#include <cmath>
#include <initializer_list>
#include <limits>
#include <string_view>
#include <vector>

#include "factsupport.h"
#include "model/keypoints.h"
#include "pieces.h"

namespace oltrave {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Everything the lines say about a x ^ 2 + b x + c, worked out in closed form.
struct Parabola {
    Real a;
    Real b;
    Real c;
    Real D;
    // Unsorted: r0 <= r1 when a > 0, r0 >= r1 when a < 0; both stay 0 when D < 0.
    Real r0;
    Real r1;
    Real y0;
    Real yv;
    Real axis;

    bool opensUp() const { return a > 0; }
    const Real& lowRoot() const { return opensUp() ? r0 : r1; }
    const Real& highRoot() const { return opensUp() ? r1 : r0; }
    // With b of another sign than a (or 0) the vertex lies at x >= 0.
    bool vertexRight() const { return sign(b) != sign(a); }
};

Parabola solve(const Real& a, const Real& b, const Real& c) {
    Parabola p;
    p.a = a;
    p.b = b;
    p.c = c;
    p.D = pow(b, 2) - 4 * a * c;
    if (!(p.D < 0)) {
        p.r0 = (-b - sqrt(p.D)) / (2 * a);
        p.r1 = (-b + sqrt(p.D)) / (2 * a);
    }
    p.y0 = c;
    p.yv = (4 * a * c - pow(b, 2)) / (4 * a);
    p.axis = -b / (2 * a);
    return p;
}

// The formula with the user's numbers; f(| x |) writes | x | for x, and a lone
// square as | x ^ 2 |. A constant after a plain square keeps its own sign.
ResultLine formula(AbsMode mode, const Parabola& p) {
    const bool even = mode == AbsMode::OfArgument;
    const std::string_view square = even ? " | x | ^ 2" : " x ^ 2";
    ResultLine body;
    body << grouped(p.a);
    if (p.b != 0)
        body << square << signedTail(p.b) << (even ? " | x |" : " x") << signedTail(p.c);
    else if (p.c != 0)
        body << square << " + " << grouped(p.c);
    else
        body << (even ? " | x ^ 2 |" : " x ^ 2") << " ";
    return formulaFrame(mode, body);
}

void appendZeros(PlotContext& context, std::initializer_list<Real> zeros) {
    std::size_t label = 0;
    for (const Real& zero : zeros)
        context.append(propertyLine(piece::kNumberedZero[label++]) << Num{zero},
                       {pointMark(MarkKind::Zero, zero, 0)});
}

void appendSingleZero(PlotContext& context, const Real& zero) {
    context.append(propertyLine(piece::kZero) << Num{zero}, {pointMark(MarkKind::Zero, zero, 0)});
}

void appendRange(PlotContext& context, const ResultLine& range, std::vector<Mark> marks = {}) {
    context.append(propertyLine(piece::kRange) << range, std::move(marks));
}

void appendRange(PlotContext& context, std::string_view range) {
    context.append(propertyLine(piece::kRange) << range);
}

// f(x) and | f(x) |: the zeros are those of f.
void zerosAndRange(PlotContext& context, AbsMode mode, const Parabola& p) {
    if (p.D > 0) {
        appendZeros(context, {p.r0, p.r1});
    } else if (p.D == 0) {
        // | f | for a < 0 labels its single zero as the first of a list.
        if (mode == AbsMode::OfValue && !p.opensUp())
            appendZeros(context, {p.r0});
        else
            appendSingleZero(context, p.r0);
    }

    if (mode == AbsMode::Plain)
        appendRange(context, p.opensUp() ? fromClosed(p.yv) : upToClosed(p.yv));
    else if (p.D >= 0 && p.opensUp())
        appendRange(context, fromClosed(Real(0)));
    else if (p.D >= 0)
        appendRange(context, piece::kFromZero);
    else if (p.D < 0)
        // No zero: | f | keeps off the axis, its least value is | yv |.
        appendRange(context, fromClosed(p.opensUp() ? p.yv : -p.yv));
}

// f(| x |): each root r >= 0 of f gives the zeros -r and r.
void evenZerosAndRange(PlotContext& context, const Parabola& p) {
    const Real& low = p.lowRoot();
    const Real& high = p.highRoot();
    if (p.vertexRight()) {
        if (p.D > 0) {
            if (low == 0)
                appendZeros(context, {-high, low, high});
            else if (low > 0)
                appendZeros(context, {-p.r1, -p.r0, p.r0, p.r1});
            else if (low < 0)
                appendZeros(context, {-high, high});
        } else if (p.D == 0) {
            if (p.b == 0 && p.c == 0)
                appendSingleZero(context, p.r0);
            else
                appendZeros(context, {-p.r0, p.r0});
        }
        // The two vertices off the axis share the range's bound, not the axis.
        std::vector<Mark> vertices;
        if (p.axis != 0) {
            vertices.push_back(pointMark(MarkKind::Vertex, -p.axis, p.yv));
            vertices.push_back(pointMark(MarkKind::Vertex, p.axis, p.yv));
        }
        appendRange(context, p.opensUp() ? fromClosed(p.yv) : upToClosed(p.yv),
                    std::move(vertices));
    } else {
        if (p.D > 0) {
            if (high > 0)
                appendZeros(context, {-high, high});
            else if (high == 0)
                appendSingleZero(context, high);
        }
        appendRange(context, p.opensUp() ? fromClosed(p.y0) : upToClosed(p.y0));
    }
}

// One interval of a list on its own line; " , " marks that the list went on.
struct Span {
    ResultLine interval;
    Stretch span;
    bool continued = false;
};

void appendList(PlotContext& context, std::string_view label, std::string_view indent,
                const std::vector<Span>& spans) {
    context.append(propertyLine(label));
    for (const Span& span : spans) {
        ResultLine line;
        line << indent << span.interval;
        if (span.continued)
            line << " , ";
        context.append(line, {}, span.span);
    }
}

void appendMonotonic(PlotContext& context, const Span& falling, const Span& rising) {
    context.append(propertyLine(piece::kDecreasing) << falling.interval, {}, falling.span);
    context.append(propertyLine(piece::kIncreasing) << rising.interval, {}, rising.span);
}

Span leftOf(const Real& x, bool continued = false) {
    return {upToOpen(x), stretch(-kInf, x), continued};
}
Span rightOf(const Real& x) {
    return {fromOpen(x), stretch(x, kInf)};
}
Span spanBetween(const Real& low, const Real& high, bool continued = false) {
    return {openInterval(low, high), stretch(low, high), continued};
}

// Falls then rises about the axis, as f does for a > 0.
void appendValley(PlotContext& context, const Real& axis) {
    appendMonotonic(context, leftOf(axis), rightOf(axis));
}

void intervals(PlotContext& context, AbsMode mode, const Parabola& p) {
    if (mode == AbsMode::Plain) {
        if (p.opensUp())
            appendValley(context, p.axis);
        else
            appendMonotonic(context, rightOf(p.axis), leftOf(p.axis));
    } else if (p.D > 0) {
        // | f | falls and rises twice: the roots fold the part below the axis up.
        const Real& low = p.lowRoot();
        const Real& high = p.highRoot();
        appendList(context, piece::kDecreasing, piece::kDeepIndent,
                   {leftOf(low, true), spanBetween(p.axis, high)});
        appendList(context, piece::kIncreasing, piece::kDeepIndent,
                   {spanBetween(low, p.axis, true), rightOf(high)});
    } else {
        // | f | touches the axis at most once and has its least value at the axis.
        appendValley(context, p.axis);
    }
}

void evenIntervals(PlotContext& context, const Parabola& p) {
    if (p.vertexRight()) {
        // The vertex and its mirror image split each side of the y-axis.
        const bool inner = p.axis != 0;
        std::vector<Span> outer{leftOf(-p.axis, true)};
        std::vector<Span> middle;
        if (inner) {
            outer.push_back(spanBetween(Real(0), p.axis));
            middle.push_back(spanBetween(-p.axis, Real(0), true));
        }
        middle.push_back(rightOf(p.axis));
        appendList(context, piece::kDecreasing, piece::kDeepIndent, p.opensUp() ? outer : middle);
        appendList(context, piece::kIncreasing, piece::kDeepIndent, p.opensUp() ? middle : outer);
    } else {
        const Span left = leftOf(Real(0));
        const Span right = rightOf(Real(0));
        appendList(context, piece::kDecreasing, piece::kIndent, {p.opensUp() ? left : right});
        appendList(context, piece::kIncreasing, piece::kIndent, {p.opensUp() ? right : left});
    }
}

// In f(| x |), | x | ^ 2 is the same double as | x ^ 2 |.
template <typename Number> Number quadratic(const std::array<Number, kBoxCount>& c, Number x) {
    using std::pow;
    return pow(x, 2) * c[0] + x * c[1] + c[2];
}

KeyPoints quadraticKeyPoints(const Coefficients& c, double) {
    return {quadraticRoots(c[0], c[1], c[2]), {-c[1] / (2 * c[0])}, {}};
}

// The lines of y = a x ^ 2 + b x + c in the modes f(x), |f(x)| and f(|x|).
void quadraticLines(PlotContext& context) {
    const AbsMode mode = context.absmode();
    const Parabola p = solve(context.value(0), context.value(1), context.value(2));

    context.append(formula(mode, p));
    // The axis line carries the vertices of the parabola the curve shows.
    if (mode == AbsMode::OfArgument) {
        std::vector<Mark> marks{verticalMark(MarkKind::SymmetryAxis, 0)};
        if (p.vertexRight() && p.axis == 0)
            marks.push_back(pointMark(MarkKind::Vertex, 0, p.yv));
        context.append(propertyLine(piece::kSymmetryAxis) << "0", std::move(marks));
    } else {
        context.append(
            propertyLine(piece::kSymmetryAxis) << Num{p.axis},
            {verticalMark(MarkKind::SymmetryAxis, p.axis),
             pointMark(MarkKind::Vertex, p.axis, mode == AbsMode::OfValue ? fabs(p.yv) : p.yv)});
    }
    // | f | is | c | at 0.
    const Real atZero = mode == AbsMode::OfValue ? fabs(p.y0) : p.y0;
    context.append(propertyLine(piece::kAtZero) << Num{atZero},
                   {pointMark(MarkKind::ValueAtZero, 0, atZero)});

    if (mode == AbsMode::OfArgument) {
        evenZerosAndRange(context, p);
        evenIntervals(context, p);
    } else {
        zerosAndRange(context, mode, p);
        intervals(context, mode, p);
    }
}

} // namespace

extern const FamilyDescription kQuadraticFamily{
    .name = "quadratic",
    .entry = "Quadratic Function",
    .formulaTemplate = "y = a x ^ 2 + b x + c",
    .captions = {"a =", "b =", "c =", ""},
    .hasModes = true,
    .valid = leadNonZero,
    .function = quadratic<double>,
    .exactFunction = quadratic<Real>,
    .sample = sampleCurve<quadratic<double>>,
    .lines = quadraticLines,
    .keyPoints = quadraticKeyPoints,
    .facts = quadraticFacts,
    .shapeBoundaries = quadraticBoundaries,
};

} // namespace oltrave
