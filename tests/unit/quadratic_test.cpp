#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "recording.h"

namespace oltrave::testing {
namespace {

using Lines = std::vector<std::string>;

struct Plot {
    int mode;
    const char* a;
    const char* b;
    const char* c;
    Lines lines;
};

Lines listOf(const Plot& p) {
    Bench bench;
    const Lines lines = bench.plot(1, p.mode, {p.a, p.b, p.c});
    EXPECT_TRUE(bench.form.plotted());
    return lines;
}

std::string describe(const Plot& p) {
    return "mode " + std::to_string(p.mode) + ", a " + p.a + ", b " + p.b + ", c " + p.c;
}

// Splits a plot's list at its range line.
Lines::const_iterator rangeLine(const Lines& lines) {
    return std::find_if(lines.begin(), lines.end(),
                        [](const std::string& l) { return l.rfind("    Range : ", 0) == 0; });
}

const std::string kDecreasing = "    Decreasing Interval : ";
const std::string kIncreasing = "    Increasing Interval : ";

// clang-format off
TEST(QuadraticFamily, WorkedExamplesListEveryLine) {
    const Plot plots[] = {
        {0, "1", "-2", "-3", {"y = 1 x ^ 2 - 2 x - 3", "    Symmetry Axis : x = 1",
            "    [ x = 0 ] y = -3", "    [ y = 0 ] x ( 0 ) = -1", "    [ y = 0 ] x ( 1 ) = 3",
            "    Range :  [ -4 , + ∞ ) ", "    Decreasing Interval :  ( - ∞ , 1 ) ",
            "    Increasing Interval :  ( 1 , + ∞ ) "}},
        {1, "1", "-2", "-3", {"y = | 1 x ^ 2 - 2 x - 3 |", "    Symmetry Axis : x = 1",
            "    [ x = 0 ] y = 3", "    [ y = 0 ] x ( 0 ) = -1", "    [ y = 0 ] x ( 1 ) = 3",
            "    Range :  [ 0 , + ∞ ) ", kDecreasing, "         ( - ∞ , -1 )  , ",
            "         ( 1 , 3 ) ", kIncreasing, "         ( -1 , 1 )  , ",
            "         ( 3 , + ∞ ) "}},
        {2, "1", "-2", "-3", {"y = 1 | x | ^ 2 - 2 | x | - 3", "    Symmetry Axis : x = 0",
            "    [ x = 0 ] y = -3", "    [ y = 0 ] x ( 0 ) = -3", "    [ y = 0 ] x ( 1 ) = 3",
            "    Range :  [ -4 , + ∞ ) ", kDecreasing, "         ( - ∞ , -1 )  , ",
            "         ( 0 , 1 ) ", kIncreasing, "         ( -1 , 0 )  , ",
            "         ( 1 , + ∞ ) "}},
        {0, "-1", "0", "4", {"y = -1 x ^ 2 + 4", "    Symmetry Axis : x = 0", "    [ x = 0 ] y = 4",
            "    [ y = 0 ] x ( 0 ) = 2", "    [ y = 0 ] x ( 1 ) = -2", "    Range :  ( - ∞ , 4 ] ",
            "    Decreasing Interval :  ( 0 , + ∞ ) ", "    Increasing Interval :  ( - ∞ , 0 ) "}},
        // The axis is a negative zero.
        {0, "1", "0", "-4", {"y = 1 x ^ 2 + -4", "    Symmetry Axis : x = 0",
            "    [ x = 0 ] y = -4",
            "    [ y = 0 ] x ( 0 ) = -2", "    [ y = 0 ] x ( 1 ) = 2", "    Range :  [ -4 , + ∞ ) ",
            "    Decreasing Interval :  ( - ∞ , 0 ) ", "    Increasing Interval :  ( 0 , + ∞ ) "}},
        // b ^ 2 overflows: the lines with an infinite root or vertex value are left out.
        {0, "1E300", "1E300", "1", {"y = 1E+300 x ^ 2 + 1E+300 x + 1",
            "    Symmetry Axis : x = -0.5", "    [ x = 0 ] y = 1",
            "    Decreasing Interval :  ( - ∞ , -0.5 ) ",
            "    Increasing Interval :  ( -0.5 , + ∞ ) "}},
    };
    for (const Plot& p : plots)
        EXPECT_EQ(listOf(p), p.lines) << describe(p);
}

TEST(QuadraticFamily, FormulaCoversEverySignCaseInEachMode) {
    struct Formula {
        const char* b;
        const char* c;
        const char* modes[3];
    };
    const Formula formulas[] = {
        {"3", "5", {"y = 2 x ^ 2 + 3 x + 5", "y = | 2 x ^ 2 + 3 x + 5 |",
            "y = 2 | x | ^ 2 + 3 | x | + 5"}},
        {"3", "-5", {"y = 2 x ^ 2 + 3 x - 5", "y = | 2 x ^ 2 + 3 x - 5 |",
            "y = 2 | x | ^ 2 + 3 | x | - 5"}},
        {"-3", "5", {"y = 2 x ^ 2 - 3 x + 5", "y = | 2 x ^ 2 - 3 x + 5 |",
            "y = 2 | x | ^ 2 - 3 | x | + 5"}},
        {"-3", "-5", {"y = 2 x ^ 2 - 3 x - 5", "y = | 2 x ^ 2 - 3 x - 5 |",
            "y = 2 | x | ^ 2 - 3 | x | - 5"}},
        {"3", "0", {"y = 2 x ^ 2 + 3 x ", "y = | 2 x ^ 2 + 3 x  |", "y = 2 | x | ^ 2 + 3 | x | "}},
        {"-3", "0", {"y = 2 x ^ 2 - 3 x ", "y = | 2 x ^ 2 - 3 x  |", "y = 2 | x | ^ 2 - 3 | x | "}},
        {"0", "5", {"y = 2 x ^ 2 + 5", "y = | 2 x ^ 2 + 5 |", "y = 2 | x | ^ 2 + 5"}},
        {"0", "-5", {"y = 2 x ^ 2 + -5", "y = | 2 x ^ 2 + -5 |", "y = 2 | x | ^ 2 + -5"}},
        {"0", "0", {"y = 2 x ^ 2 ", "y = | 2 x ^ 2  |", "y = 2 | x ^ 2 | "}},
    };
    for (const Formula& f : formulas) {
        for (int mode = 0; mode < 3; ++mode) {
            const Lines lines = listOf({mode, "2", f.b, f.c, {}});
            ASSERT_FALSE(lines.empty());
            EXPECT_EQ(lines.front(), f.modes[mode]) << "mode " << mode;
        }
    }
}

// From the value at 0 to the range line: every row of the zero and range tables.
TEST(QuadraticFamily, ZerosAndRangeFollowSignModeAndDiscriminant) {
    const Plot plots[] = {
        {0, "1", "-2", "1", {"    [ x = 0 ] y = 1", "    [ y = 0 ] x = 1",
            "    Range :  [ 0 , + ∞ ) "}},
        {0, "1", "-2", "2", {"    [ x = 0 ] y = 2", "    Range :  [ 1 , + ∞ ) "}},
        {0, "1", "0", "0", {"    [ x = 0 ] y = 0", "    [ y = 0 ] x = 0",
            "    Range :  [ 0 , + ∞ ) "}},
        {0, "0.5", "0.1", "-0.3", {"    [ x = 0 ] y = -0.3",
            "    [ y = 0 ] x ( 0 ) = -0.881024967590665",
            "    [ y = 0 ] x ( 1 ) = 0.681024967590665",
            "    Range :  [ -0.305 , + ∞ ) "}},
        {0, "-1", "3", "-2", {"    [ x = 0 ] y = -2", "    [ y = 0 ] x ( 0 ) = 2",
            "    [ y = 0 ] x ( 1 ) = 1", "    Range :  ( - ∞ , 0.25 ] "}},
        {0, "-1", "2", "-1", {"    [ x = 0 ] y = -1", "    [ y = 0 ] x = 1",
            "    Range :  ( - ∞ , 0 ] "}},
        {0, "-2", "4", "-3", {"    [ x = 0 ] y = -3", "    Range :  ( - ∞ , -1 ] "}},
        // | f | at 0 is | c |.
        {1, "1", "-2", "1", {"    [ x = 0 ] y = 1", "    [ y = 0 ] x = 1",
            "    Range :  [ 0 , + ∞ ) "}},
        {1, "1", "-2", "2", {"    [ x = 0 ] y = 2", "    Range :  [ 1 , + ∞ ) "}},
        {1, "2", "0", "0", {"    [ x = 0 ] y = 0", "    [ y = 0 ] x = 0",
            "    Range :  [ 0 , + ∞ ) "}},
        {1, "-1", "3", "-2", {"    [ x = 0 ] y = 2", "    [ y = 0 ] x ( 0 ) = 2",
            "    [ y = 0 ] x ( 1 ) = 1", "    Range : [ 0 , + ∞ )"}},
        {1, "-1", "2", "-1", {"    [ x = 0 ] y = 1", "    [ y = 0 ] x ( 0 ) = 1",
            "    Range : [ 0 , + ∞ )"}},
        {1, "-2", "4", "-3", {"    [ x = 0 ] y = 3", "    Range :  [ 1 , + ∞ ) "}},
        // f(| x |), a > 0, vertex at x >= 0.
        {2, "1", "-2", "0", {"    [ x = 0 ] y = 0", "    [ y = 0 ] x ( 0 ) = -2",
            "    [ y = 0 ] x ( 1 ) = 0", "    [ y = 0 ] x ( 2 ) = 2",
            "    Range :  [ -1 , + ∞ ) "}},
        {2, "1", "-3", "2", {"    [ x = 0 ] y = 2", "    [ y = 0 ] x ( 0 ) = -2",
            "    [ y = 0 ] x ( 1 ) = -1", "    [ y = 0 ] x ( 2 ) = 1", "    [ y = 0 ] x ( 3 ) = 2",
            "    Range :  [ -0.25 , + ∞ ) "}},
        {2, "1", "0", "-4", {"    [ x = 0 ] y = -4", "    [ y = 0 ] x ( 0 ) = -2",
            "    [ y = 0 ] x ( 1 ) = 2", "    Range :  [ -4 , + ∞ ) "}},
        {2, "2", "0", "0", {"    [ x = 0 ] y = 0", "    [ y = 0 ] x = 0",
            "    Range :  [ 0 , + ∞ ) "}},
        {2, "1", "-2", "1", {"    [ x = 0 ] y = 1", "    [ y = 0 ] x ( 0 ) = -1",
            "    [ y = 0 ] x ( 1 ) = 1", "    Range :  [ 0 , + ∞ ) "}},
        {2, "1", "-2", "2", {"    [ x = 0 ] y = 2", "    Range :  [ 1 , + ∞ ) "}},
        // a > 0, vertex at x < 0: the least value is at 0.
        {2, "1", "2", "-3", {"    [ x = 0 ] y = -3", "    [ y = 0 ] x ( 0 ) = -1",
            "    [ y = 0 ] x ( 1 ) = 1", "    Range :  [ -3 , + ∞ ) "}},
        {2, "1", "3", "0", {"    [ x = 0 ] y = 0", "    [ y = 0 ] x = 0",
            "    Range :  [ 0 , + ∞ ) "}},
        {2, "1", "3", "2", {"    [ x = 0 ] y = 2", "    Range :  [ 2 , + ∞ ) "}},
        // a < 0, vertex at x >= 0; the four zeros are not in ascending order.
        {2, "-1", "2", "0", {"    [ x = 0 ] y = 0", "    [ y = 0 ] x ( 0 ) = -2",
            "    [ y = 0 ] x ( 1 ) = 0", "    [ y = 0 ] x ( 2 ) = 2", "    Range :  ( - ∞ , 1 ] "}},
        {2, "-1", "3", "-2", {"    [ x = 0 ] y = -2", "    [ y = 0 ] x ( 0 ) = -1",
            "    [ y = 0 ] x ( 1 ) = -2", "    [ y = 0 ] x ( 2 ) = 2", "    [ y = 0 ] x ( 3 ) = 1",
            "    Range :  ( - ∞ , 0.25 ] "}},
        {2, "-1", "1", "2", {"    [ x = 0 ] y = 2", "    [ y = 0 ] x ( 0 ) = -2",
            "    [ y = 0 ] x ( 1 ) = 2", "    Range :  ( - ∞ , 2.25 ] "}},
        {2, "-3", "0", "0", {"    [ x = 0 ] y = 0", "    [ y = 0 ] x = 0",
            "    Range :  ( - ∞ , 0 ] "}},
        {2, "-1", "2", "-1", {"    [ x = 0 ] y = -1", "    [ y = 0 ] x ( 0 ) = -1",
            "    [ y = 0 ] x ( 1 ) = 1", "    Range :  ( - ∞ , 0 ] "}},
        {2, "-2", "4", "-3", {"    [ x = 0 ] y = -3", "    Range :  ( - ∞ , -1 ] "}},
        // a < 0, vertex at x < 0: the greatest value is at 0.
        {2, "-1", "-2", "3", {"    [ x = 0 ] y = 3", "    [ y = 0 ] x ( 0 ) = -1",
            "    [ y = 0 ] x ( 1 ) = 1", "    Range :  ( - ∞ , 3 ] "}},
        {2, "-1", "-2", "0", {"    [ x = 0 ] y = 0", "    [ y = 0 ] x = 0",
            "    Range :  ( - ∞ , 0 ] "}},
        {2, "-1", "-2", "-3", {"    [ x = 0 ] y = -3", "    Range :  ( - ∞ , -3 ] "}},
    };
    for (const Plot& p : plots) {
        const Lines lines = listOf(p);
        ASSERT_GE(lines.size(), 3u) << describe(p);
        const auto range = rangeLine(lines);
        ASSERT_NE(range, lines.end()) << describe(p);
        EXPECT_EQ(Lines(lines.begin() + 2, range + 1), p.lines) << describe(p);
    }
}

// The lines after the range line: every interval layout.
TEST(QuadraticFamily, IntervalLayoutsFollowModeAndSigns) {
    const Plot plots[] = {
        {0, "-1", "3", "-2", {"    Decreasing Interval :  ( 1.5 , + ∞ ) ",
            "    Increasing Interval :  ( - ∞ , 1.5 ) "}},
        // For a < 0 the smaller root r1 leads.
        {1, "-1", "3", "-2", {kDecreasing, "         ( - ∞ , 1 )  , ", "         ( 1.5 , 2 ) ",
            kIncreasing, "         ( 1 , 1.5 )  , ", "         ( 2 , + ∞ ) "}},
        {1, "-1", "0", "4", {kDecreasing, "         ( - ∞ , -2 )  , ", "         ( 0 , 2 ) ",
            kIncreasing, "         ( -2 , 0 )  , ", "         ( 2 , + ∞ ) "}},
        // | f | with at most one zero falls, then rises.
        {1, "1", "-2", "1", {"    Decreasing Interval :  ( - ∞ , 1 ) ",
            "    Increasing Interval :  ( 1 , + ∞ ) "}},
        {1, "1", "-2", "2", {"    Decreasing Interval :  ( - ∞ , 1 ) ",
            "    Increasing Interval :  ( 1 , + ∞ ) "}},
        {1, "-1", "2", "-1", {"    Decreasing Interval :  ( - ∞ , 1 ) ",
            "    Increasing Interval :  ( 1 , + ∞ ) "}},
        {1, "-2", "4", "-3", {"    Decreasing Interval :  ( - ∞ , 1 ) ",
            "    Increasing Interval :  ( 1 , + ∞ ) "}},
        // f(| x |) with the vertex at x >= 0; b = 0 drops the inner intervals.
        {2, "1", "-3", "2", {kDecreasing, "         ( - ∞ , -1.5 )  , ", "         ( 0 , 1.5 ) ",
            kIncreasing, "         ( -1.5 , 0 )  , ", "         ( 1.5 , + ∞ ) "}},
        {2, "1", "0", "-4", {kDecreasing, "         ( - ∞ , 0 )  , ", kIncreasing,
            "         ( 0 , + ∞ ) "}},
        {2, "-1", "2", "0", {kDecreasing, "         ( -1 , 0 )  , ", "         ( 1 , + ∞ ) ",
            kIncreasing, "         ( - ∞ , -1 )  , ", "         ( 0 , 1 ) "}},
        {2, "-1", "0", "4", {kDecreasing, "         ( 0 , + ∞ ) ", kIncreasing,
            "         ( - ∞ , 0 )  , "}},
        // f(| x |) with the vertex at x < 0: four-blank lines.
        {2, "1", "2", "-3", {kDecreasing, "     ( - ∞ , 0 ) ", kIncreasing, "     ( 0 , + ∞ ) "}},
        {2, "-1", "-2", "3", {kDecreasing, "     ( 0 , + ∞ ) ", kIncreasing, "     ( - ∞ , 0 ) "}},
    };
    for (const Plot& p : plots) {
        const Lines lines = listOf(p);
        const auto range = rangeLine(lines);
        ASSERT_NE(range, lines.end()) << describe(p);
        EXPECT_EQ(Lines(range + 1, lines.end()), p.lines) << describe(p);
    }
}
// clang-format on

TEST(QuadraticFamily, ModesShapeTheCurve) {
    struct Sample {
        int mode;
        float yAtMinusTen;
    };
    // -x ^ 2 - 2 x at x = -10 is -80; its modes give 80 and -120.
    const Sample samples[] = {{0, -80.0f}, {1, 80.0f}, {2, -120.0f}};
    for (const Sample& s : samples) {
        Bench bench;
        bench.plot(1, s.mode, {"-1", "-2", "0"});
        ASSERT_EQ(bench.canvas.points.size(), 20001u) << "mode " << s.mode;
        EXPECT_EQ(bench.canvas.points.front().x, -10.0f);
        EXPECT_EQ(bench.canvas.points.front().y, s.yAtMinusTen) << "mode " << s.mode;
    }
}

TEST(QuadraticFamily, ZeroLeadingCoefficientIsNotAFunction) {
    for (int mode = 0; mode < 3; ++mode) {
        Bench bench;
        bench.plot(1, mode, {"0", "2", "-1"});
        EXPECT_TRUE(bench.lines().empty()) << "mode " << mode;
        EXPECT_TRUE(bench.canvas.points.empty()); // the drawn line was wiped
        EXPECT_EQ(bench.form.formulaLabel(), "Not a Function");
        EXPECT_FALSE(bench.form.plotted());
    }
}

} // namespace
} // namespace oltrave::testing
