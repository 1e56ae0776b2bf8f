#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "recording.h"

namespace oltrave::testing {
namespace {

constexpr int kCubic = 2;

struct CubicCase {
    std::vector<std::string> boxes; // a, b, c, d
    std::string formula;
};

TEST(CubicFamily, WritesEachFormulaCase) {
    const CubicCase cases[] = {
        // b and c present: the joins follow the signs
        {{"1", "-6", "11", "-6"}, "y = 1 x ^ 3 - 6 x ^ 2 + 11 x - 6"},
        {{"-2", "0.5", "-3", "4"}, "y = -2 x ^ 3 + 0.5 x ^ 2 - 3 x + 4"},
        {{"2", "3", "-1", "0"}, "y = 2 x ^ 3 + 3 x ^ 2 - 1 x "},
        {{"1", "-1", "1", ""}, "y = 1 x ^ 3 - 1 x ^ 2 + 1 x "},
        // otherwise each number follows a plus piece with its own sign
        {{"1", "4", "0", "5"}, "y = 1 x ^ 3 + 4 x ^ 2 + 5"},
        {{"1", "-2", "0", "-5"}, "y = 1 x ^ 3 + -2 x ^ 2 + -5"},
        {{"3", "-2", "0", "0"}, "y = 3 x ^ 3 + -2 x ^ 2 "},
        {{"1", "0", "-3", "2"}, "y = 1 x ^ 3 + -3 x + 2"},
        {{"1", "0", "3", "-2"}, "y = 1 x ^ 3 + 3 x + -2"},
        {{"-1", "0", "7", "0"}, "y = -1 x ^ 3 + 7 x "},
        {{"0.5", "0", "0", "-8"}, "y = 0.5 x ^ 3 + -8"},
        {{"2", "0", "0", "0"}, "y = 2 x ^ 3 "},
        {{"2", "", "", ""}, "y = 2 x ^ 3 "},
    };
    for (const CubicCase& c : cases) {
        Bench bench;
        const std::string d = c.boxes[3].empty() ? "0" : c.boxes[3];
        const std::vector<std::string> expected{c.formula, "    [ x = 0 ] y = " + d,
                                                "    Range : R"};
        EXPECT_EQ(bench.plot(kCubic, 0, c.boxes), expected) << c.formula;
        EXPECT_TRUE(bench.form.plotted());
        EXPECT_EQ(bench.form.formulaLabel(), "y = a x ^ 3 + b x ^ 2 + c x + d");
    }
}

TEST(CubicFamily, DrawsTheCurveWhateverTheMode) {
    Bench bench;
    bench.form.chooseFamily(kCubic);
    bench.form.clickMode(AbsMode::OfValue); // the labels are disabled for this family
    bench.plot(kCubic, 2, {"1", "-6", "11", "-6"});
    ASSERT_EQ(bench.canvas.points.size(), 20001u);
    EXPECT_EQ(bench.canvas.points.front().y, -1716.0f);
    EXPECT_EQ(bench.lines().size(), 3u);
}

TEST(CubicFamily, ZeroLeadIsNotAFunction) {
    Bench bench;
    EXPECT_TRUE(bench.plot(kCubic, 0, {"0", "1", "0", "0"}).empty());
    EXPECT_TRUE(bench.canvas.points.empty()); // the parabola was wiped
    EXPECT_EQ(bench.form.formulaLabel(), "Not a Function");
    EXPECT_FALSE(bench.form.plotted());
}

TEST(CubicFamily, SkipsSamplesBeyondTheCanvasRange) {
    Bench bench;
    bench.form.editZoom("1E+13");
    bench.plot(kCubic, 0, {"1", "0", "0", "0"});
    // x ^ 3 stays within single precision for |x| up to about 6.98E+12.
    EXPECT_GT(bench.canvas.points.size(), 13000u);
    EXPECT_LT(bench.canvas.points.size(), 14000u);
    EXPECT_EQ(bench.lines().size(), 3u);
}

} // namespace
} // namespace oltrave::testing
