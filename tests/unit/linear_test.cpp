#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "recording.h"

namespace oltrave::testing {
namespace {

struct LinearCase {
    int mode;
    const char* k;
    const char* b;
    std::vector<std::string> lines;
};

TEST(LinearFamily, ListsEveryLineInEachModeAndSign) {
    // clang-format off
    const LinearCase cases[] = {
        {0, "2", "-4", {"y = 2 x - 4", "    [ x = 0 ] y = -4", "    [ y = 0 ] x = 2", "    Range : R"}},
        {1, "2", "-4", {"y = | 2 x - 4 |", "    Symmetry Axis : x = 2", "    [ x = 0 ] y = 4",
                        "    [ y = 0 ] x = 2", "    Range : [ 0 , + ∞ )"}},
        {2, "2", "-4", {"y = 2 | x | - 4", "    Symmetry Axis : x = 0", "    [ x = 0 ] y = -4",
                        "    [ y = 0 ] x ( 0 ) = -2", "    [ y = 0 ] x ( 1 ) = 2",
                        "    Range :  [ -4 , + ∞ ) "}},
        {2, "-1", "3", {"y = -1 | x | + 3", "    Symmetry Axis : x = 0", "    [ x = 0 ] y = 3",
                        "    [ y = 0 ] x ( 0 ) = -3", "    [ y = 0 ] x ( 1 ) = 3",
                        "    Range :  ( - ∞ , 3 ] "}},
        {2, "1", "2", {"y = 1 | x | + 2", "    Symmetry Axis : x = 0", "    [ x = 0 ] y = 2",
                       "    Range :  [ 2 , + ∞ ) "}},
        {2, "-1", "-2", {"y = -1 | x | - 2", "    Symmetry Axis : x = 0", "    [ x = 0 ] y = -2",
                         "    Range :  ( - ∞ , -2 ] "}},
        {2, "2", "0", {"y = 2 | x | ", "    Symmetry Axis : x = 0", "    [ x = 0 ] y = 0",
                       "    [ y = 0 ] x = 0", "    Range :  [ 0 , + ∞ ) "}},
        {0, "2", "0", {"y = 2 x ", "    [ x = 0 ] y = 0", "    [ y = 0 ] x = 0", "    Range : R"}},
        {1, "2", "0", {"y = | 2 x  |", "    Symmetry Axis : x = 0", "    [ x = 0 ] y = 0",
                       "    [ y = 0 ] x = 0", "    Range : [ 0 , + ∞ )"}},
        {0, "-0.5", "3", {"y = -0.5 x + 3", "    [ x = 0 ] y = 3", "    [ y = 0 ] x = 6",
                          "    Range : R"}},
        {1, "1", "3", {"y = | 1 x + 3 |", "    Symmetry Axis : x = -3", "    [ x = 0 ] y = 3",
                       "    [ y = 0 ] x = -3", "    Range : [ 0 , + ∞ )"}},
        {0, "3", "1", {"y = 3 x + 1", "    [ x = 0 ] y = 1",
                       "    [ y = 0 ] x = -0.333333333333333", "    Range : R"}},
    };
    // clang-format on
    for (const LinearCase& c : cases) {
        Bench bench;
        EXPECT_EQ(bench.plot(0, c.mode, {c.k, c.b}), c.lines)
            << "mode " << c.mode << ", k " << c.k << ", b " << c.b;
        EXPECT_TRUE(bench.form.plotted());
        EXPECT_EQ(bench.form.formulaLabel(), "y = k x + b");
    }
}

TEST(LinearFamily, DrawsOnePointPerSampleInTheCurveColour) {
    Bench bench;
    bench.plot(0, 0, {"2", "-4"});
    ASSERT_EQ(bench.canvas.points.size(), 20001u);
    EXPECT_EQ(bench.canvas.points.front().x, -10.0f);
    EXPECT_EQ(bench.canvas.points.front().y, -24.0f);
    EXPECT_NEAR(bench.canvas.points.back().x, 10.0f, 1e-6);
    EXPECT_EQ(bench.canvas.points[10000].colour.packed, kCurveColour.packed);
    EXPECT_EQ(kCurveColour.red(), 146);
    EXPECT_EQ(kCurveColour.green(), 137);
    EXPECT_EQ(kCurveColour.blue(), 249);
}

TEST(LinearFamily, ModesShapeTheCurve) {
    struct Sample {
        int mode;
        float yAtMinusTen;
    };
    const Sample samples[] = {{0, -24.0f}, {1, 24.0f}, {2, 16.0f}};
    for (const Sample& s : samples) {
        Bench bench;
        bench.plot(0, s.mode, {"2", "-4"});
        ASSERT_FALSE(bench.canvas.points.empty());
        EXPECT_EQ(bench.canvas.points.front().y, s.yAtMinusTen) << "mode " << s.mode;
    }
}

TEST(LinearFamily, ZeroSlopeIsNotAFunction) {
    Bench bench;
    bench.plot(0, 0, {"0", "3"});
    EXPECT_TRUE(bench.lines().empty());
    EXPECT_TRUE(bench.canvas.points.empty()); // the drawn line was wiped
    EXPECT_EQ(bench.canvas.lines.size(), 2u); // axes drawn again
    EXPECT_EQ(bench.form.formulaLabel(), "Not a Function");
    EXPECT_FALSE(bench.form.plotted());
    // The next edit brings the template back.
    bench.form.editBox(0, "1");
    EXPECT_EQ(bench.form.formulaLabel(), "y = k x + b");
}

} // namespace
} // namespace oltrave::testing
