#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "overlay/plotoverlay.h"
#include "recording.h"

namespace oltrave::testing {
namespace {

const Viewport kView{10, 400, 400};

// y = x² - 2x - 3: axis and vertex at 1, -3 at 0, zeros -1 and 3; its
// decreasing interval (-∞, 1) on row 6.
void plotQuadratic(Bench& bench) {
    bench.plot(1, 0, {"1", "-2", "-3"});
}

struct Shown {
    MarkShape shape;
    double x;
    double y;
    int row;
    bool highlighted;
};

std::vector<Shown> shown(const std::vector<MarkInstance>& marks) {
    std::vector<Shown> out;
    for (const MarkInstance& m : marks)
        out.push_back({m.shape, m.x, m.y, m.row, m.highlighted});
    return out;
}

bool operator==(const Shown& a, const Shown& b) {
    return a.shape == b.shape && a.x == b.x && a.y == b.y && a.row == b.row &&
           a.highlighted == b.highlighted;
}

std::ostream& operator<<(std::ostream& out, const Shown& s) {
    return out << static_cast<int>(s.shape) << " (" << s.x << ", " << s.y << ") row " << s.row
               << (s.highlighted ? " lit" : "");
}

TEST(PlotOverlay, KeyPointsShowTheMarksOfTheCurvesStillDrawn) {
    Bench bench;
    plotQuadratic(bench);
    PlotOverlay overlay;
    EXPECT_TRUE(overlay.marks(bench.session, kView, {3}).marks.empty()); // key points off
    overlay.setKeyPoints(true);
    const std::vector<Shown> expected{
        {MarkShape::Vertical, 1, 0, 1, false}, {MarkShape::Point, 1, -4, 1, false},
        {MarkShape::Point, 0, -3, 2, false},   {MarkShape::Point, -1, 0, 3, true},
        {MarkShape::Point, 3, 0, 4, false},
    };
    EXPECT_EQ(shown(overlay.marks(bench.session, kView, {3}).marks), expected);
    // Zoomed in to 2: only what lies within [-2, 2] on both axes is left.
    const Viewport near{2, 400, 400};
    const std::vector<Shown> inside{{MarkShape::Vertical, 1, 0, 1, false},
                                    {MarkShape::Point, -1, 0, 3, false}};
    EXPECT_EQ(shown(overlay.marks(bench.session, near, {}).marks), inside);
    // Not a Function wipes the curve: its marks would stand on nothing.
    bench.form.editBox(0, "0");
    bench.form.plot();
    EXPECT_EQ(bench.session.lineCount(), 8);
    EXPECT_TRUE(overlay.marks(bench.session, kView, {}).marks.empty());
}

// A line that holds for every k draws at most 1000 instances, else none.
TEST(PlotOverlay, ALineForEveryKStopsAtAThousandInstances) {
    constexpr double kStep = 0.015625; // exact in binary, so the count is too
    constexpr double kZoom = 500 * kStep;
    struct Case {
        double x;
        std::size_t drawn;
    };
    // From x = step / 2, k runs from -500 to 499; from 0, from -500 to 500.
    for (const Case c : {Case{kStep / 2, 1000}, Case{0, 0}}) {
        Session session;
        const DrawnCurve curve{5, AbsMode::Plain, {1, 1, 0, 0}};
        session.addCurve(curve);
        Mark asymptote = verticalMark(MarkKind::Asymptote, c.x);
        asymptote.step = kStep;
        session.appendLine({"    x = k", {}, {asymptote}, {}, curve});
        PlotOverlay overlay;
        overlay.setKeyPoints(true);
        EXPECT_EQ(overlay.marks(session, {kZoom, 400, 400}, {}).marks.size(), c.drawn) << c.x;
    }
}

TEST(PlotOverlay, SelectedIntervalLinesShowTheirStretch) {
    Bench bench;
    plotQuadratic(bench);
    ASSERT_EQ(bench.session.line(6).text.rfind("    Decreasing Interval", 0), 0u);
    PlotOverlay overlay;
    overlay.setKeyPoints(true);
    EXPECT_TRUE(overlay.marks(bench.session, kView, {}).stretches.empty());
    const std::vector<CanvasPoint> stretch = overlay.marks(bench.session, kView, {6}).stretches;
    // Two samples a pixel column over (-10, 1): 11 of the 20 units of 400 columns.
    EXPECT_EQ(stretch.size(), 440u);
    for (const CanvasPoint& p : stretch) {
        ASSERT_GT(p.x, -10.0f);
        ASSERT_LT(p.x, 1.0f);
        ASSERT_NEAR(p.y, p.x * p.x - 2 * p.x - 3, 1e-4);
    }
}

// A repeating interval of y = sin x shows in every period the view holds,
// each piece at its own place on the curve.
TEST(PlotOverlay, SelectedRepeatingIntervalsShowInEveryPeriod) {
    Bench bench;
    bench.plot(3, 0, {"1", "1", "0", "0"});
    PlotOverlay overlay;
    overlay.setKeyPoints(true);
    int repeating = 0;
    for (const MarkedLine& line : bench.session.markedLines()) {
        if (!line.stretch || line.stretch->step == 0)
            continue;
        ++repeating;
        const Stretch& s = *line.stretch;
        const std::vector<CanvasPoint> shown =
            overlay.marks(bench.session, kView, {line.row}).stretches;
        std::vector<long> periods;
        for (const CanvasPoint& p : shown) {
            ASSERT_NEAR(p.y, std::sin(p.x), 1e-4) << line.text;
            // Which instance of [low, high] the point lies in.
            const double k = std::floor((p.x - s.low) / s.step);
            ASSERT_LE(p.x - (s.low + k * s.step), s.high - s.low + 1e-4) << line.text;
            periods.push_back(static_cast<long>(k));
        }
        std::sort(periods.begin(), periods.end());
        periods.erase(std::unique(periods.begin(), periods.end()), periods.end());
        // A period is 6.28 of the view's 20: at least three pieces show.
        EXPECT_GE(periods.size(), 3u) << line.text;
    }
    EXPECT_GE(repeating, 2);
}

struct Step {
    Trace::Move move;
    double x;
    std::vector<MarkKind> landed;
};

// Page Down and Page Up visit the traced curve's marks by x, whatever order
// the list names them in; the kinds where the trace lands give the sound cue.
TEST(PlotOverlay, PageKeysVisitTheTracedCurvesMarksInOrder) {
    using Move = Trace::Move;
    using K = MarkKind;
    Bench bench;
    plotQuadratic(bench);
    bench.plot(0, 0, {"2", "-4"}); // y = 2x - 4: -4 at 0, zero at 2
    PlotOverlay overlay;           // key points off: the keys visit the marks all the same
    // clang-format off
    const std::vector<Step> steps{
        {Move::Home, -10, {}},
        {Move::NextMark, 0, {K::ValueAtZero}},
        {Move::NextMark, 2, {K::Zero}},
        {Move::NextMark, 2, {K::Zero}},          // no mark further right
        {Move::PreviousCurve, 2, {}},            // the quadratic
        {Move::PreviousMark, 1, {K::SymmetryAxis, K::Vertex}},
        {Move::PreviousMark, 0, {K::ValueAtZero}},
        {Move::PreviousMark, -1, {K::Zero}},
        {Move::PreviousMark, -1, {K::Zero}},
        {Move::End, 9.95, {}},
        {Move::PreviousMark, 3, {K::Zero}},
    };
    // clang-format on
    for (std::size_t i = 0; i < steps.size(); ++i) {
        std::vector<MarkKind> landed;
        for (const Mark& mark : overlay.move(steps[i].move, kView, bench.session))
            landed.push_back(mark.kind);
        const std::optional<Readout> readout = overlay.readout(kView, bench.session);
        ASSERT_TRUE(readout) << i;
        EXPECT_DOUBLE_EQ(readout->x, steps[i].x) << i;
        EXPECT_EQ(landed, steps[i].landed) << i;
    }
    EXPECT_EQ(overlay.tracedCurve(bench.session), (DrawnCurve{1, AbsMode::Plain, {1, -2, -3, 0}}));
}

} // namespace
} // namespace oltrave::testing
