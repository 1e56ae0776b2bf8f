// Marks, trace, redraw and sound at the far ends of what the boxes accept:
// coefficients and zooms of 1e200 and 1e-300, a view narrowed from 50000 to
// 0.001, and sessions of thousands of Prints.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/numtext.h"
#include "overlay/keypoints.h"
#include "overlay/trace.h"
#include "recording.h"
#include "sound/curvesound.h"
#include "sound/mapping.h"

namespace oltrave::testing {
namespace {

constexpr int kWidth = 426;
constexpr int kHeight = 359;

struct At {
    double x, y;
    bool operator==(const At&) const = default;
};

std::ostream& operator<<(std::ostream& out, const At& at) {
    return out << "(" << at.x << ", " << at.y << ")";
}

TEST(MarksInView, RepeatsEdgesAndOutsiders) {
    struct Case {
        const char* name;
        Mark mark;
        double zoom;
        std::vector<At> want;
    };
    const auto point = [](double x, double y, double step = 0, double yOdd = 0) {
        return Mark{MarkKind::Zero, MarkShape::Point, x, y, step, yOdd};
    };
    const auto vertical = [](double x, double step = 0) {
        return Mark{MarkKind::Asymptote, MarkShape::Vertical, x, 0, step, 0};
    };
    const auto horizontal = [](double y) {
        return Mark{MarkKind::Asymptote, MarkShape::Horizontal, 0, y, 0, 0};
    };
    const Case cases[] = {
        // 0.5 - 2k for k = 2 .. -2, odd k at height -1; smallest x first.
        {"negative step",
         point(0.5, 1, -2, -1),
         5,
         {{-3.5, 1}, {-1.5, -1}, {0.5, 1}, {2.5, -1}, {4.5, 1}}},
        {"positive step",
         point(0.5, 1, 2, -1),
         5,
         {{-3.5, 1}, {-1.5, -1}, {0.5, 1}, {2.5, -1}, {4.5, 1}}},
        {"lines on both edges", vertical(-5, 5), 5, {{-5, 0}, {0, 0}, {5, 0}}},
        {"lines on both edges, stepping down", vertical(5, -5), 5, {{-5, 0}, {0, 0}, {5, 0}}},
        {"a point in the corner", point(5, -5), 5, {{5, -5}}},
        {"a point just outside", point(5, 5.000001), 5, {}},
        {"a horizontal line on the edge", horizontal(-5), 5, {{0, -5}}},
        {"a horizontal line outside", horizontal(7), 5, {}},
        {"a horizontal line far outside", horizontal(-1e200), 5, {}},
        // k near 3e199: neighbouring instances are one double apart or more.
        {"k beyond counting", point(-1e200, 0, 3.141592653589793), 10, {}},
        {"k beyond counting, negative step", vertical(1e200, -3.141592653589793), 10, {}},
        // k near -1e17 fits a long, but its neighbours are one double.
        {"k beyond counting, within a long", point(1e17, 0, 1), 10, {}},
        {"too many to draw", vertical(0, 1e-300), 1, {}},
        {"a step of 0 is one instance", vertical(1, 0), 5, {{1, 0}}},
    };
    for (const Case& c : cases) {
        MarkedLine line;
        line.row = 3;
        line.marks = {c.mark};
        std::vector<At> got;
        for (const MarkInstance& m : marksInView({line}, c.zoom, {}))
            got.push_back({m.x, m.y});
        EXPECT_EQ(got, c.want) << c.name;
    }
}

// A point kept from a wide view lies far outside a narrow one: it counts as
// the column just beyond the nearest edge, never as one across the area.
TEST(Trace, AfterZoomingInFarTheKeysStartAtTheNearestEdge) {
    const Viewport wide{50000, kWidth, kHeight};
    const Viewport narrow{0.001, kWidth, kHeight};
    struct Case {
        Trace::Move first;
        Trace::Move then;
        int column;
    };
    const Case cases[] = {
        {Trace::Move::End, Trace::Move::Right, kWidth - 1},
        {Trace::Move::End, Trace::Move::Left, kWidth - 1},
        {Trace::Move::End, Trace::Move::FarLeft, kWidth - 10},
        {Trace::Move::Home, Trace::Move::Left, 0},
        {Trace::Move::Home, Trace::Move::Right, 0},
        {Trace::Move::Home, Trace::Move::FarRight, 9},
    };
    for (const Case& c : cases) {
        Trace trace;
        trace.move(c.first, wide, 0, {});
        trace.move(c.then, narrow, 0, {});
        EXPECT_EQ(trace.x(), narrow.xAt(c.column)) << static_cast<int>(c.then);
    }
}

// Whatever the boxes and the zoom hold, the marks lie in the view, the trace
// reads out a point of the view, and the sweep has its length.
TEST(HugeValues, MarksTraceAndSoundStaySensible) {
    const std::vector<std::string> values{"1", "-1", "1e200", "-1e200", "1e-300", "0.5"};
    const std::vector<std::string> zooms{"1e200", "1e-300", "50000", "0.001"};
    int sounded = 0;
    for (int family = 0; family < 8; ++family) {
        for (std::size_t v = 0; v < values.size(); ++v) {
            for (const std::string& zoomText : zooms) {
                Bench bench;
                bench.form.chooseFamily(family);
                bench.form.clickMode(modeAt(static_cast<int>(v % 3)));
                for (int box = 0; box < 4; ++box)
                    bench.form.editBox(box,
                                       values[(v + static_cast<std::size_t>(box)) % values.size()]);
                bench.form.editZoom(zoomText);
                bench.form.plot();
                const double zoom = bench.form.zoom();
                const std::string where =
                    std::to_string(family) + " " + values[v] + " zoom " + zoomText;
                const std::vector<MarkInstance> marks = marksInView(
                    linesOnCurves(bench.form.session().markedLines(), bench.form.drawnCurves()),
                    zoom, {});
                for (const MarkInstance& m : marks) {
                    if (m.shape != MarkShape::Horizontal) {
                        EXPECT_LE(std::fabs(m.x), zoom) << where;
                    }
                    if (m.shape != MarkShape::Vertical) {
                        EXPECT_LE(std::fabs(m.y), zoom) << where;
                    }
                }
                const Viewport view{zoom, kWidth, kHeight};
                Trace trace;
                for (const Trace::Move move :
                     {Trace::Move::End, Trace::Move::FarRight, Trace::Move::Home,
                      Trace::Move::FarLeft, Trace::Move::Right, Trace::Move::NextMark}) {
                    trace.move(move, view, bench.form.drawnCurves().size(), markXs(marks));
                    EXPECT_LE(std::fabs(trace.x()), zoom) << where;
                }
                // The sweep is the costliest part: one mode of each family and value.
                if (zoomText.front() == '1' && bench.form.plotted()) {
                    const auto curve = sound::plottedCurve(bench.form);
                    ASSERT_TRUE(curve);
                    EXPECT_EQ(sound::renderCurve(*curve, zoom).size(),
                              static_cast<std::size_t>(2 * sound::kSweepFrames))
                        << where;
                    ++sounded;
                }
            }
        }
    }
    EXPECT_GT(sounded, 20);
}

// The view narrowed by the wheel from 50000 to its end at 0.001 with a trace
// kept at the right edge: every step redraws and reads out inside the view.
TEST(HugeValues, WheelFromTheWidestToTheNarrowestView) {
    Bench bench;
    bench.form.editZoom("50000");
    bench.plot(3, 0, {"1", "1", "1e200", "0"}); // sine: key points of k near 3e199
    Trace trace;
    trace.move(Trace::Move::End, {bench.form.zoom(), kWidth, kHeight}, 1, {});
    while (bench.form.wheelZoom(1)) {
        const Viewport view{bench.form.zoom(), kWidth, kHeight};
        const std::vector<MarkInstance> marks =
            marksInView(linesOnCurves(bench.form.session().markedLines(), bench.form.drawnCurves()),
                        view.zoom, {});
        trace.move(Trace::Move::Right, view, 1, markXs(marks));
        EXPECT_EQ(trace.x(), view.xAt(kWidth - 1)) << view.zoom;
        ASSERT_TRUE(trace.readout(view, bench.form.drawnCurves()));
    }
    EXPECT_EQ(bench.form.zoomText(), "0.001");
}

// A wheel notch draws each distinct curve once, and at most the newest
// kMostRedrawnCurves of them, however many Prints came before.
TEST(WheelZoom, RedrawsEachDistinctCurveOnceAndOnlyTheNewest) {
    Bench bench;
    bench.plot(0, 0, {"1", "0"});
    bench.form.wheelZoom(1);
    const std::size_t one = bench.canvas.points.size();
    ASSERT_GT(one, 0u);

    for (int i = 0; i < 999; ++i)
        bench.form.plot();
    bench.plot(0, 1, {"1", "0"}); // the same line in another mode is another curve
    bench.form.wheelZoom(1);
    EXPECT_EQ(bench.canvas.points.size(), 2 * one);
    EXPECT_EQ(bench.form.drawnCurves().size(), 1001u); // the trace still steps through each

    const std::size_t more = kMostRedrawnCurves + 3;
    for (std::size_t i = 1; i <= more; ++i)
        bench.plot(0, 0, {"1", numtext(static_cast<double>(i))});
    bench.form.plot(); // the newest again: still one curve
    bench.form.wheelZoom(-1);
    EXPECT_EQ(bench.canvas.points.size(), kMostRedrawnCurves * one);
    const std::vector<DrawnCurve>& kept = bench.form.drawnCurves();
    ASSERT_EQ(kept.size(), kMostRedrawnCurves + 1);
    EXPECT_EQ(kept.front().coef[1], static_cast<double>(more - kMostRedrawnCurves + 1));
    EXPECT_EQ(kept.back().coef[1], static_cast<double>(more));
}

} // namespace
} // namespace oltrave::testing
