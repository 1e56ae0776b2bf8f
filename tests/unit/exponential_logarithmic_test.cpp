#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/familytable.h"
#include "recording.h"

namespace oltrave::testing {
namespace {

constexpr int kExponential = 6;
constexpr int kLogarithmic = 7;

struct BaseCase {
    int mode;
    const char* a;
    const char* M;
    std::vector<std::string> lines;
};

template <std::size_t N> void expectLines(int family, const BaseCase (&cases)[N]) {
    for (const BaseCase& c : cases) {
        Bench bench;
        EXPECT_EQ(bench.plot(family, c.mode, {c.a, c.M}), c.lines)
            << "mode " << c.mode << ", a " << c.a << ", M " << c.M;
        EXPECT_TRUE(bench.form.plotted());
    }
}

// Runs a branch on its own, without the plot command's tail wiping the points
// of an invalid base.
RecordingCanvas branchPoints(int family, int mode, double a, double M, double zoom) {
    const std::array<double, 4> coef{a, M, 0, 0};
    const PeriodicValues periodic;
    RecordingCanvas canvas;
    Session session;
    PlotContext context(coef, zoom, modeAt(mode), periodic, canvas, &session);
    plotFamily(*familyDescription(family), context);
    EXPECT_EQ(session.lineCount(), 0);
    return canvas;
}

TEST(ExponentialFamily, ListsEveryLineByModeSignAndBase) {
    const BaseCase cases[] = {
        // mode 0
        {0,
         "2",
         "3",
         {"y = 2 ^ x + 3", "    [ x = 0 ] y = 4", "    Range :  ( 3 , + ∞ ) ",
          "    Increasing Interval : R"}},
        {0,
         "0.5",
         "-3",
         {"y = 0.5 ^ x - 3", "    [ x = 0 ] y = -2", "    Range :  ( -3 , + ∞ ) ",
          "    Decreasing Interval : R"}},
        {0,
         "2",
         "0",
         {"y = 2 ^ x ", "    [ x = 0 ] y = 1", "    Range :  ( 0 , + ∞ ) ",
          "    Increasing Interval : R"}},
        // mode 1: the value at 0 is that of the folded curve
        {1, "3", "-2", {"y = | 3 ^ x - 2 |", "    [ x = 0 ] y = 1", "    Range :  [ 0 , + ∞ ) "}},
        {1, "2", "-3", {"y = | 2 ^ x - 3 |", "    [ x = 0 ] y = 2", "    Range :  [ 0 , + ∞ ) "}},
        {1,
         "0.5",
         "-1",
         {"y = | 0.5 ^ x - 1 |", "    [ x = 0 ] y = 0", "    Range :  [ 0 , + ∞ ) "}},
        {1,
         "2",
         "1.5",
         {"y = | 2 ^ x + 1.5 |", "    [ x = 0 ] y = 2.5", "    Range :  ( 1.5 , + ∞ ) ",
          "    Increasing Interval : R"}},
        {1,
         "0.25",
         "0",
         {"y = | 0.25 ^ x  |", "    [ x = 0 ] y = 1", "    Range :  ( 0 , + ∞ ) ",
          "    Decreasing Interval : R"}},
        // mode 2
        {2,
         "0.5",
         "0",
         {"y = 0.5 ^ | x | ", "    Symmetry Axis : x = 0", "    [ x = 0 ] y = 1",
          "    Range :  ( 0 , 1 ] ", "    Decreasing Interval :  ( 0 , + ∞ ) ",
          "    Increasing Interval :  ( - ∞ , 0 ) "}},
        {2,
         "0.5",
         "-2",
         {"y = 0.5 ^ | x | - 2", "    Symmetry Axis : x = 0", "    [ x = 0 ] y = -1",
          "    Range :  ( -2 , -1 ] ", "    Decreasing Interval :  ( 0 , + ∞ ) ",
          "    Increasing Interval :  ( - ∞ , 0 ) "}},
        {2,
         "3",
         "2",
         {"y = 3 ^ | x | + 2", "    Symmetry Axis : x = 0", "    [ x = 0 ] y = 3",
          "    Range :  [ 3 , + ∞ ) ", "    Decreasing Interval :  ( - ∞ , 0 ) ",
          "    Increasing Interval :  ( 0 , + ∞ ) "}},
        {2,
         "10",
         "-5",
         {"y = 10 ^ | x | - 5", "    Symmetry Axis : x = 0", "    [ x = 0 ] y = -4",
          "    Range :  [ -4 , + ∞ ) ", "    Decreasing Interval :  ( - ∞ , 0 ) ",
          "    Increasing Interval :  ( 0 , + ∞ ) "}},
    };
    expectLines(kExponential, cases);
}

TEST(LogarithmicFamily, ListsEveryLineByModeSignAndBase) {
    const BaseCase cases[] = {
        // mode 0
        {0,
         "2",
         "3",
         {"y = lg( x ) / lg( 2 ) +3", "    Range : R", "    Increasing Interval :  ( 0 , + ∞ ) "}},
        {0,
         "0.5",
         "-1.5",
         {"y = lg( x ) / lg( 0.5 ) -1.5", "    Range : R",
          "    Decreasing Interval :  ( 0 , + ∞ ) "}},
        {0,
         "10",
         "0",
         {"y = lg( x ) / lg( 10 )", "    Range : R", "    Increasing Interval :  ( 0 , + ∞ ) "}},
        // mode 1: no interval line for either base
        {1, "10", "-1", {"y = | lg( x ) / lg( 10 ) -1 |", "    Range :  [ 0 , + ∞ ) "}},
        {1, "0.5", "2", {"y = | lg( x ) / lg( 0.5 ) +2 |", "    Range :  [ 0 , + ∞ ) "}},
        {1, "3", "0", {"y = | lg( x ) / lg( 3 ) |", "    Range :  [ 0 , + ∞ ) "}},
        // mode 2
        {2,
         "2",
         "0",
         {"y = lg( | x | ) / lg( 2 )", "    Symmetry Axis : x = 0", "    Range : R",
          "    Decreasing Interval :  ( - ∞ , 0 ) ", "    Increasing Interval :  ( 0 , + ∞ ) "}},
        {2,
         "0.5",
         "0",
         {"y = lg( | x | ) / lg( 0.5 )", "    Symmetry Axis : x = 0", "    Range : R",
          "    Decreasing Interval :  ( 0 , + ∞ ) ", "    Increasing Interval :  ( - ∞ , 0 ) "}},
        {2,
         "5",
         "4",
         {"y = lg( | x | ) / lg( 5 ) +4", "    Symmetry Axis : x = 0", "    Range : R",
          "    Decreasing Interval :  ( - ∞ , 0 ) ", "    Increasing Interval :  ( 0 , + ∞ ) "}},
        {2,
         "0.1",
         "-2",
         {"y = lg( | x | ) / lg( 0.1 ) -2", "    Symmetry Axis : x = 0", "    Range : R",
          "    Decreasing Interval :  ( 0 , + ∞ ) ", "    Increasing Interval :  ( - ∞ , 0 ) "}},
    };
    expectLines(kLogarithmic, cases);
}

TEST(ExponentialAndLogarithm, BasesOutsideTheFamilyAreNotAFunction) {
    for (const int family : {kExponential, kLogarithmic}) {
        for (const char* a : {"1", "0", "-2", "", "-0.5"}) {
            for (const int mode : {0, 1, 2}) {
                Bench bench;
                EXPECT_TRUE(bench.plot(family, mode, {a, "3"}).empty())
                    << "family " << family << ", a " << a << ", mode " << mode;
                EXPECT_TRUE(bench.canvas.points.empty());
                EXPECT_EQ(bench.form.formulaLabel(), "Not a Function");
                EXPECT_FALSE(bench.form.plotted());
            }
        }
    }
}

TEST(LogarithmicFamily, DrawsOnlyWhereTheLogarithmExists) {
    struct Count {
        const char* zoom;
        int mode;
        std::size_t points;
    };
    // Zoom 10000 steps by exactly 1, so one sample falls on 0; with zoom 10 the
    // sample nearest 0 is a tiny number and is drawn.
    const Count counts[] = {
        {"10000", 0, 10000}, {"10000", 1, 10000}, {"10000", 2, 20000},
        {"10", 0, 10000},    {"10", 1, 10000},    {"10", 2, 20001},
    };
    for (const Count& c : counts) {
        Bench bench;
        bench.form.editZoom(c.zoom);
        bench.plot(kLogarithmic, c.mode, {"2", "1"});
        EXPECT_EQ(bench.canvas.points.size(), c.points) << "zoom " << c.zoom << ", mode " << c.mode;
        for (const RecordingCanvas::Dot& dot : bench.canvas.points) {
            if (c.mode == 2)
                ASSERT_NE(dot.x, 0.0f);
            else
                ASSERT_GT(dot.x, 0.0f);
        }
    }
    Bench bench;
    bench.form.editZoom("10000");
    bench.plot(kLogarithmic, 0, {"2", "1"});
    ASSERT_FALSE(bench.canvas.points.empty());
    EXPECT_EQ(bench.canvas.points.front().x, 1.0f);
    EXPECT_EQ(bench.canvas.points.front().y, 1.0f);
    EXPECT_EQ(bench.canvas.points.back().y,
              static_cast<float>(std::log(10000.0) / std::log(2.0) + 1));

    // No base below or at 0, nor 1, gives a point, not even as a finite quotient.
    for (const double a : {0.0, -3.0, 1.0}) {
        for (const int mode : {0, 1, 2}) {
            EXPECT_TRUE(branchPoints(kLogarithmic, mode, a, 1, 10).points.empty())
                << "a " << a << ", mode " << mode;
        }
    }
}

TEST(ExponentialFamily, SkipsSamplesThatCannotBeComputedOrDrawn) {
    // 2 ^ x leaves the single-precision range just below x = 128 and the
    // double range at 1024; the pass goes on to the end either way.
    for (const int mode : {0, 1, 2}) {
        Bench bench;
        bench.form.editZoom("2000");
        bench.plot(kExponential, mode, {"2", "0"});
        EXPECT_EQ(bench.lines().size(), mode == 2 ? 6u : 4u);
        const std::vector<RecordingCanvas::Dot>& points = bench.canvas.points;
        // Step 0.2: x from -2000, or from -127.8, up to 127.8.
        EXPECT_EQ(points.size(), mode == 2 ? 1279u : 10640u) << "mode " << mode;
        for (const RecordingCanvas::Dot& dot : points) {
            ASSERT_TRUE(std::isfinite(dot.y));
            ASSERT_LT(mode == 2 ? std::fabs(dot.x) : dot.x, 128.0f);
        }
    }

    // A negative base exists only at whole exponents, a zero base only at
    // exponents from 0 up. Zoom 10000 samples every whole number.
    const RecordingCanvas negative = branchPoints(kExponential, 0, -2, 0, 10000);
    EXPECT_EQ(negative.points.size(), 10000u + 128u); // x = -10000 .. 127
    EXPECT_EQ(negative.points.back().y, static_cast<float>(std::ldexp(-1.0, 127)));
    const RecordingCanvas negativeSmall = branchPoints(kExponential, 0, -2, 0, 10);
    EXPECT_EQ(negativeSmall.points.size(), 1u); // only the sample at -10 is whole
    const RecordingCanvas zero = branchPoints(kExponential, 0, 0, 1, 10000);
    EXPECT_EQ(zero.points.size(), 10001u); // x = 0 .. 10000
    EXPECT_EQ(zero.points.front().y, 2.0f);
}

} // namespace
} // namespace oltrave::testing
