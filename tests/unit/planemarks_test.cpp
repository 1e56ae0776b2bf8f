// The plot window's overlay: one curve's marks inside a region of the plane
// that is not the main area's square, and the trace moved over such a view.
#include <cmath>
#include <numbers>
#include <vector>

#include <gtest/gtest.h>

#include "overlay/keypoints.h"
#include "overlay/planetrace.h"

namespace oltrave::testing {
namespace {

const DrawnCurve kParabola{1, AbsMode::Plain, {1, -2, -3, 0}};
const DrawnCurve kLine{0, AbsMode::Plain, {1, 1, 0, 0}};

struct Seen {
    MarkShape shape;
    double x;
    double y;
};

bool operator==(const Seen& a, const Seen& b) {
    return a.shape == b.shape && std::fabs(a.x - b.x) < 1e-12 && std::fabs(a.y - b.y) < 1e-12;
}

std::ostream& operator<<(std::ostream& out, const Seen& s) {
    return out << static_cast<int>(s.shape) << " (" << s.x << ", " << s.y << ")";
}

// x from 2 to 8, y from -1 to 5: off the origin, wider than tall.
TEST(PlaneMarks, OneCurvesMarksInsideARegion) {
    const PlaneRegion region{2, 8, -1, 5};
    const Mark kinds[] = {
        pointMark(MarkKind::Zero, 3.0, 4.0),       // inside
        pointMark(MarkKind::Zero, -3.0, 4.0),      // left of it: inside ±10
        pointMark(MarkKind::Zero, 3.0, 6.0),       // above it
        pointMark(MarkKind::Zero, 3.0, -3.0),      // below it
        pointMark(MarkKind::Zero, 8.0, -1.0),      // on the corner
        verticalMark(MarkKind::SymmetryAxis, 1.0), // left of it
        verticalMark(MarkKind::SymmetryAxis, 7.5), // inside
        horizontalMark(MarkKind::Asymptote, -2.0), // below it
        horizontalMark(MarkKind::Asymptote, 0.0),  // inside
        // every k: 0.5 + kπ, of which 0.5 + π and 0.5 + 2π fall inside
        everyK(verticalMark(MarkKind::Asymptote, 0.5), std::numbers::pi),
        // every k: (2k, 1) for even k, (2k, 6) for odd k
        everyK(pointMark(MarkKind::Extremum, 0.0, 1.0), 2.0, 6.0),
    };
    std::vector<MarkedLine> lines;
    lines.push_back({0, "parabola", kParabola,
                     std::vector<Mark>(std::begin(kinds), std::end(kinds)), std::nullopt});
    lines.push_back({1, "line", kLine, {pointMark(MarkKind::Zero, 3.0, 3.0)}, std::nullopt});

    std::vector<Seen> seen;
    for (const MarkInstance& m : curveMarksInView(lines, kParabola, region))
        seen.push_back({m.shape, m.x, m.y});
    const std::vector<Seen> want = {
        {MarkShape::Point, 3, 4},
        {MarkShape::Point, 8, -1},
        {MarkShape::Vertical, 7.5, 0},
        {MarkShape::Horizontal, 0, 0},
        {MarkShape::Vertical, 0.5 + std::numbers::pi, 0},
        {MarkShape::Vertical, 0.5 + 2 * std::numbers::pi, 0},
        {MarkShape::Point, 4, 1},
        {MarkShape::Point, 8, 1},
    };
    EXPECT_EQ(seen, want);
    // The line's own mark, and nothing else.
    const std::vector<MarkInstance> line = curveMarksInView(lines, kLine, region);
    ASSERT_EQ(line.size(), 1u);
    EXPECT_EQ(line[0].x, 3);
}

// A view of x from -5 to 5 over 100 pixels (0.1 a pixel) and y from -2.5 to 2.5.
PlaneView tenthView() {
    PlaneView view;
    view.resize(100, 50);
    view.unitX = view.unitY = 0.1;
    return view;
}

TEST(PlaneTrace, ClicksKeysAndReadout) {
    const PlaneView view = tenthView();
    const std::vector<DrawnCurve> curves = {kParabola, kLine};
    PlaneTrace trace;
    EXPECT_FALSE(trace.readout(view, curves)); // hidden until placed
    trace.place(view, 60);                     // x = 1: the newest curve, y = 2
    ASSERT_TRUE(trace.readout(view, curves));
    EXPECT_EQ(trace.readout(view, curves)->text(), "x = 1, y = 2");

    const std::vector<double> marks = {-1, 3, 1.05};
    struct Step {
        Trace::Move move;
        const char* readout;
    } steps[] = {
        {Trace::Move::Right, "x = 1.1, y = 2.1"},
        {Trace::Move::FarLeft, "x = 0.1, y = 1.1"},
        {Trace::Move::PreviousCurve, "x = 0.1, y = -3.2"}, // the parabola: -3.19 to a tenth
        {Trace::Move::NextMark, "x = 1.1, y = -4"},        // 1.05 written 1.1; f(1.1) = -3.99
        {Trace::Move::NextMark, "x = 3, y = 0"},
        {Trace::Move::NextMark, "x = 3, y = 0"}, // no mark further right
        {Trace::Move::PreviousMark, "x = 1.1, y = -4"},
        {Trace::Move::Home, "x = -5, y = 32"},
        {Trace::Move::Left, "x = -5, y = 32"},   // held at the edge
        {Trace::Move::End, "x = 4.9, y = 11.2"}, // the last pixel's left edge
        {Trace::Move::NextCurve, "x = 4.9, y = 5.9"},
    };
    for (const Step& step : steps) {
        trace.move(step.move, view, curves.size(), marks);
        ASSERT_TRUE(trace.readout(view, curves));
        EXPECT_EQ(trace.readout(view, curves)->text(), step.readout) << static_cast<int>(step.move);
    }
    // A choice among other curves than those shown is forgotten.
    trace.choose(0, 2);
    EXPECT_EQ(trace.curve(2), 0u);
    EXPECT_EQ(trace.curve(3), 2u);
    EXPECT_FALSE(trace.curve(0));
}

} // namespace
} // namespace oltrave::testing
