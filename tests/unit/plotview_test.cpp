// The wheel's zoom series, the curves the plotting area keeps, and the trace.
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/numtext.h"
#include "model/zoomseries.h"
#include "overlay/trace.h"
#include "recording.h"

namespace oltrave::testing {
namespace {

// The drawing rectangle of the main window's plotting area.
constexpr int kWidth = 426;
constexpr int kHeight = 359;

TEST(ZoomSeries, StepsAlongOneTwoFiveBothWays) {
    struct Case {
        double zoom;
        int direction;
        std::optional<double> next;
    };
    const Case cases[] = {
        {10, -1, 5},        {10, 1, 20},     {5, -1, 2},         {2, 1, 5},
        {1, -1, 0.5},       {0.2, -1, 0.1},  {0.05, 1, 0.1},     {7, -1, 5},
        {7, 1, 10},         {0.3, -1, 0.2},  {130, 1, 200},      {0.0015, -1, 0.001},
        {0.001, -1, {}},    {50000, 1, {}},  {99999, -1, 50000}, {99999, 1, {}},
        {1e-05, 1, 0.001},  {1e-05, -1, {}}, {0, 1, {}},         {-5, -1, {}},
        {INFINITY, -1, {}}, {NAN, 1, {}},
    };
    for (const Case& c : cases) {
        const std::optional<double> next = zoomStep(c.zoom, c.direction);
        EXPECT_EQ(next, c.next) << c.zoom << " " << c.direction;
    }
}

TEST(ZoomSeries, EveryValueIsWrittenAsTheZoomBoxReadsIt) {
    std::vector<std::string> texts;
    double zoom = 50000;
    texts.push_back(numtext(zoom));
    while (const std::optional<double> next = zoomStep(zoom, -1)) {
        zoom = *next;
        texts.push_back(numtext(zoom));
        EXPECT_EQ(numval(texts.back()), zoom);
    }
    const std::vector<std::string> expected{"50000", "20000", "10000", "5000",  "2000",  "1000",
                                            "500",   "200",   "100",   "50",    "20",    "10",
                                            "5",     "2",     "1",     "0.5",   "0.2",   "0.1",
                                            "0.05",  "0.02",  "0.01",  "0.005", "0.002", "0.001"};
    EXPECT_EQ(texts, expected);
}

TEST(WheelZoom, RedrawsEveryCurveInItsModeAndKeepsTheList) {
    Bench bench;
    bench.plot(0, 1, {"1", "-2"}); // | x - 2 |
    bench.plot(1, 0, {"1", "0", "-9"});
    const std::vector<std::string> lines = bench.lines();
    const std::vector<DrawnCurve> curves = bench.form.drawnCurves();
    ASSERT_EQ(curves.size(), 2u);
    EXPECT_EQ(curves[0].absmode, AbsMode::OfValue);
    EXPECT_EQ(curves[1].family, 1);

    const int clears = bench.canvas.clears;
    bench.form.wheelZoom(2); // 10 -> 5 -> 2
    EXPECT_EQ(bench.form.zoomText(), "2");
    EXPECT_EQ(bench.form.zoom(), 2);
    EXPECT_EQ(bench.canvas.clears, clears + 1);
    EXPECT_EQ(bench.canvas.lines.size(), 2u);
    EXPECT_EQ(bench.canvas.scale.x2, 2.0f);
    EXPECT_EQ(bench.lines(), lines);
    EXPECT_EQ(bench.form.drawnCurves(), curves);
    ASSERT_EQ(bench.canvas.points.size(), 40002u);
    // The first curve keeps its bars: | x - 2 | at x = -2 is 4, not -4.
    EXPECT_FLOAT_EQ(bench.canvas.points.front().x, -2.0f);
    EXPECT_FLOAT_EQ(bench.canvas.points.front().y, 4.0f);
    EXPECT_FLOAT_EQ(bench.canvas.points[20001].y, -5.0f); // 4 - 9

    bench.form.wheelZoom(-1);
    EXPECT_EQ(bench.form.zoomText(), "5");
    bench.form.wheelZoom(0);
    EXPECT_EQ(bench.form.zoomText(), "5");
}

TEST(WheelZoom, StopsAtTheEndOfTheSeries) {
    Bench bench;
    bench.form.editZoom("0.002");
    bench.form.plot();
    bench.form.wheelZoom(5);
    EXPECT_EQ(bench.form.zoomText(), "0.001");
    const int clears = bench.canvas.clears;
    bench.form.wheelZoom(1);
    EXPECT_EQ(bench.canvas.clears, clears); // nothing left to zoom: nothing redrawn
}

TEST(DrawnCurves, FollowWhatTheAreaShows) {
    Bench bench;
    bench.plot(0, 0, {"1", "1"});
    bench.plot(0, 0, {"2", "1"});
    EXPECT_EQ(bench.form.drawnCurves().size(), 2u);
    bench.form.replot();
    EXPECT_EQ(bench.form.drawnCurves().size(), 1u);
    bench.plot(0, 0, {"0", "1"}); // Not a Function wipes the area
    EXPECT_TRUE(bench.form.drawnCurves().empty());
    bench.plot(0, 0, {"3", "1"});
    bench.form.clearAll();
    EXPECT_TRUE(bench.form.drawnCurves().empty());
}

TEST(Readout, DecimalsFollowThePixelSize) {
    struct Case {
        double zoom;
        int decimals;
    };
    // A pixel is 2 zoom / 426 wide and 2 zoom / 359 high; the width is smaller.
    const Case cases[] = {{10, 2}, {20, 2}, {25, 1}, {1, 3}, {0.001, 6}, {50, 1}, {1000, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(readoutDecimals({c.zoom, kWidth, kHeight}), c.decimals) << c.zoom;
    EXPECT_EQ(roundToDecimals(2.957746, 2), 2.96);
    EXPECT_EQ(numtext(roundToDecimals(-0.001, 2)), "0");
    EXPECT_EQ(roundToDecimals(1e300, 3), 1e300);
}

TEST(Trace, FollowsTheMouseOnTheLastCurve) {
    Bench bench;
    const Viewport view{10, kWidth, kHeight};
    Trace trace;
    EXPECT_FALSE(trace.readout(view, bench.form.drawnCurves()));
    // No curve: the mouse's plane coordinates; column 213 is x = 0, row 0 is y = 10.
    trace.hover(view, 213, 0);
    EXPECT_EQ(trace.readout(view, bench.form.drawnCurves())->text(), "x = 0, y = 10");

    bench.plot(1, 0, {"1", "-2", "-3"});
    trace.hover(view, 276, 100); // x = -10 + 20 * 276 / 426 = 2.957746...
    const std::optional<Readout> r = trace.readout(view, bench.form.drawnCurves());
    ASSERT_TRUE(r);
    EXPECT_TRUE(r->onCurve);
    // y at the x the read-out writes, as Enter lists it: 8.7616 - 5.92 - 3.
    EXPECT_EQ(r->text(), "x = 2.96, y = -0.16");
    trace.hide();
    EXPECT_FALSE(trace.readout(view, bench.form.drawnCurves()));
}

TEST(Trace, KeysMoveByPixelsMarksAndCurves) {
    Bench bench;
    bench.plot(7, 0, {"2", "0"}); // log2 x: no value left of 0
    bench.plot(0, 0, {"1", "0"});
    const Viewport view{10, kWidth, kHeight};
    Trace trace;
    const std::size_t curves = bench.form.drawnCurves().size();
    const std::vector<double> marks{-3, 0.5, 4};
    const auto readout = [&] { return trace.readout(view, bench.form.drawnCurves())->text(); };

    trace.move(Trace::Move::Right, view, curves, marks); // from x = 0, column 213
    EXPECT_EQ(readout(), "x = 0.05, y = 0.05");          // 20 / 426 = 0.0469
    trace.move(Trace::Move::FarLeft, view, curves, marks);
    EXPECT_EQ(readout(), "x = -0.42, y = -0.42"); // column 204
    trace.move(Trace::Move::Home, view, curves, marks);
    EXPECT_EQ(readout(), "x = -10, y = -10");
    trace.move(Trace::Move::End, view, curves, marks);
    EXPECT_EQ(readout(), "x = 9.95, y = 9.95"); // column 425
    trace.move(Trace::Move::PreviousMark, view, curves, marks);
    EXPECT_EQ(readout(), "x = 4, y = 4");
    trace.move(Trace::Move::PreviousMark, view, curves, marks);
    EXPECT_EQ(readout(), "x = 0.5, y = 0.5");
    // From a mark between pixel edges, Left lands on the edge below it: column 223.
    trace.move(Trace::Move::Left, view, curves, marks);
    EXPECT_EQ(readout(), "x = 0.47, y = 0.47");
    trace.move(Trace::Move::PreviousMark, view, curves, marks);
    trace.move(Trace::Move::PreviousMark, view, curves, marks);
    EXPECT_EQ(readout(), "x = -3, y = -3");
    trace.move(Trace::Move::PreviousCurve, view, curves, marks);
    EXPECT_EQ(readout(), "x = -3, y = -");
    trace.move(Trace::Move::PreviousCurve, view, curves, marks); // no curve before the first
    EXPECT_EQ(readout(), "x = -3, y = -");
    trace.move(Trace::Move::PreviousMark, view, curves, marks); // nothing before: stays
    trace.move(Trace::Move::NextMark, view, curves, marks);
    EXPECT_EQ(readout(), "x = 0.5, y = -1"); // log2 0.5
    // A new plot makes the last curve the traced one again.
    bench.plot(0, 0, {"2", "0"});
    EXPECT_EQ(readout(), "x = 0.5, y = 1");
}

} // namespace
} // namespace oltrave::testing
