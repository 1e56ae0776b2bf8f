#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/familytable.h"
#include "recording.h"

namespace oltrave::testing {
namespace {

constexpr int kSine = 3;
constexpr int kCosine = 4;
constexpr int kTangent = 5;

using Lines = std::vector<std::string>;

// Plots with the box texts A, ω, φ and M given in one blank-separated text.
Lines plotWith(Bench& bench, int family, const std::string& coef) {
    std::istringstream words(coef);
    std::vector<std::string> boxes;
    for (std::string word; words >> word;)
        boxes.push_back(word);
    return bench.plot(family, 0, boxes);
}

struct BlockCase {
    int family;
    const char* coef;
    Lines lines;
};

void expectBlocks(const std::vector<BlockCase>& cases) {
    for (const BlockCase& c : cases) {
        Bench bench;
        EXPECT_EQ(plotWith(bench, c.family, c.coef), c.lines) << c.family << ": " << c.coef;
        EXPECT_TRUE(bench.form.plotted()) << c.family << ": " << c.coef;
    }
}

TEST(PeriodicFamilies, WorkedExamplesListEveryLine) {
    expectBlocks({
        {kSine,
         "2 2 1 -1",
         {"y = 2 sin( 2 x + 1 ) - 1", "    T = 3.14159265358979", "    Range :  [ -3 , 1 ] ",
          "    Symmetry Axis : x = ( k ∈ Z )", "    0.285398163397448 + 1.5707963267949 * k",
          "    Symmetric Center : ( k ∈ Z )", "    -0.5 + 1.5707963267949 * k",
          "    Decreasing Interval : ( k ∈ Z )",
          "     ( 0.285398163397448 + 3.14159265358979 * k , ",
          "    1.85619449019234 + 3.14159265358979 * k ) ", "    Increasing Interval : ( k ∈ Z )",
          "     ( -1.28539816339745 + 3.14159265358979 * k , ",
          "    0.285398163397448 + 3.14159265358979 * k ) "}},
        {kCosine,
         "2 2 1 -1",
         {"y = 2 cos( 2 x + 1 ) - 1", "    T = 3.14159265358979", "    Range :  [ -3 , 1 ] ",
          "    Symmetry Axis : x = ( k ∈ Z )", "    -0.5 + 1.5707963267949 * k",
          "    Symmetric Center : ( k ∈ Z )", "    0.285398163397448 + 1.5707963267949 * k",
          "    Decreasing Interval : ( k ∈ Z )", "     ( -0.5 + 3.14159265358979 * k , ",
          "    1.0707963267949 + 3.14159265358979 * k ) ", "    Increasing Interval : ( k ∈ Z )",
          "     ( 1.0707963267949 + 3.14159265358979 * k , ",
          "    2.64159265358979 + 3.14159265358979 * k ) "}},
        // The tangent repeats every π / |ω| and so do its intervals.
        {kTangent,
         "1 1 0 0",
         {"y = 1 tan( 1 x  )", "    T = 3.14159265358979", "    Range : R",
          "    Symmetric Center : ( k ∈ Z )", "    1.5707963267949 + 1.5707963267949 * k",
          "    Increasing Interval : ( k ∈ Z )",
          "     ( -1.5707963267949 + 3.14159265358979 * k , ",
          "    1.5707963267949 + 3.14159265358979 * k ) "}},
        {kTangent,
         "1 -2 0 0",
         {"y = 1 tan( -2 x  )", "    T = 1.5707963267949", "    Range : R",
          "    Symmetric Center : ( k ∈ Z )", "    -0.785398163397448 - 0.785398163397448 * k",
          "    Decreasing Interval : ( k ∈ Z )",
          "     ( -0.785398163397448 - 1.5707963267949 * k , ",
          "    0.785398163397448 - 1.5707963267949 * k ) "}},
    });
}

// Each sign pairing of A and ω (A, ω = ±2, φ = 1, M = -1): the axis and centre
// values, then where the falling and the rising interval start.
TEST(PeriodicFamilies, SignsOfAmplitudeAndFrequencyPickTheEndpoints) {
    struct SignCase {
        int family;
        const char* coef;
        Lines starts;
    };
    const char* up = "0.285398163397448";
    const char* down = "-0.285398163397448";
    const SignCase cases[] = {
        {kSine, "2 2 1 -1", {up, "-0.5", up, "-1.28539816339745"}},
        {kSine, "2 -2 1 -1", {down, "0.5", down, "-1.85619449019234"}},
        {kSine, "-2 2 1 -1", {up, "-0.5", "-1.28539816339745", up}},
        {kSine, "-2 -2 1 -1", {down, "0.5", "-1.85619449019234", down}},
        {kCosine, "2 2 1 -1", {"-0.5", up, "-0.5", "1.0707963267949"}},
        {kCosine, "2 -2 1 -1", {"0.5", down, "-2.64159265358979", "-1.0707963267949"}},
        {kCosine, "-2 2 1 -1", {"-0.5", up, "1.0707963267949", "-0.5"}},
        {kCosine, "-2 -2 1 -1", {"0.5", down, "-1.0707963267949", "-2.64159265358979"}},
    };
    for (const SignCase& c : cases) {
        Bench bench;
        const Lines& got = plotWith(bench, c.family, c.coef);
        ASSERT_EQ(got.size(), 13u) << c.family << ": " << c.coef;
        std::string a, omega;
        std::istringstream(c.coef) >> a >> omega;
        const std::string sign = omega[0] == '-' ? " - " : " + ";
        EXPECT_EQ(got[4], "    " + c.starts[0] + sign + "1.5707963267949 * k") << c.coef;
        EXPECT_EQ(got[6], "    " + c.starts[1] + sign + "1.5707963267949 * k") << c.coef;
        EXPECT_EQ(got[8], "     ( " + c.starts[2] + sign + "3.14159265358979 * k , ") << c.coef;
        EXPECT_EQ(got[11], "     ( " + c.starts[3] + sign + "3.14159265358979 * k , ") << c.coef;
    }
    // The tangent rises where A and ω share a sign.
    const std::pair<const char*, const char*> tangents[] = {{"1 1 0 0", "Increasing"},
                                                            {"1 -1 0 0", "Decreasing"},
                                                            {"-1 1 0 0", "Decreasing"},
                                                            {"-1 -1 0 0", "Increasing"}};
    for (const auto& [coef, direction] : tangents) {
        Bench bench;
        const Lines& got = plotWith(bench, kTangent, coef);
        ASSERT_EQ(got.size(), 8u) << coef;
        EXPECT_EQ(got[5], "    " + std::string(direction) + " Interval : ( k ∈ Z )") << coef;
    }
}

TEST(PeriodicFamilies, PhaseAndOffsetSignsShapeTheFormula) {
    const std::pair<int, Lines> cases[] = {
        {kSine, {"2 2 1 3", "y = 2 sin( 2 x + 1 ) + 3"}},
        {kCosine, {"2 2 1 0", "y = 2 cos( 2 x + 1 )"}},
        {kTangent, {"2 3 -1 4", "y = 2 tan( 3 x - 1 ) + 4"}},
        {kSine, {"-2 0.5 -1 -3", "y = -2 sin( 0.5 x - 1 ) - 3"}},
        {kCosine, {"2 -2 -1 0", "y = 2 cos( -2 x - 1 )"}},
        {kSine, {"2 2 0 0", "y = 2 sin( 2 x  )"}},
        {kCosine, {"2 2 0 1", "y = 2 cos( 2 x  ) + 1"}},
        // Without a phase the offset keeps its own sign after the plus.
        {kSine, {"2 2 0 -1", "y = 2 sin( 2 x  ) + -1"}},
        {kTangent, {"1 1 0 -1", "y = 1 tan( 1 x  ) + -1"}},
    };
    for (const auto& [family, c] : cases) {
        Bench bench;
        const Lines& got = plotWith(bench, family, c[0]);
        ASSERT_FALSE(got.empty()) << c[0];
        EXPECT_EQ(got.front(), c[1]);
    }
}

// When the phase dwarfs the quarter period both endpoints round to one double;
// only the sine's section from crest to trough then keeps its header alone.
TEST(PeriodicFamilies, EqualEndpointsLeaveOnlyTheSineFallFromCrestBare) {
    const std::string fwd = "-1E+17 + 6.28318530717958 * k";
    const std::string back = "1E+17 - 6.28318530717958 * k";
    const std::string falls = "    Decreasing Interval : ( k ∈ Z )";
    const std::string rises = "    Increasing Interval : ( k ∈ Z )";
    const auto tail = [](const std::vector<Lines>& parts) {
        Lines all;
        for (const Lines& part : parts)
            all.insert(all.end(), part.begin(), part.end());
        return all;
    };
    const Lines same = {"     ( " + fwd + " , ", "    " + fwd + " ) "};
    const Lines sameBack = {"     ( " + back + " , ", "    " + back + " ) "};
    const std::pair<int, const char*> runs[] = {{kSine, "1 1 1E17 0"},
                                                {kSine, "1 -1 1E17 0"},
                                                {kSine, "-1 1 1E17 0"},
                                                {kCosine, "1 1 1E17 0"}};
    const Lines expected[] = {tail({{falls, rises}, same}), tail({{falls}, sameBack, {rises}}),
                              tail({{falls}, same, {rises}, same}),
                              tail({{falls}, same, {rises}, same})};
    for (std::size_t i = 0; i < std::size(runs); ++i) {
        Bench bench;
        const Lines& got = plotWith(bench, runs[i].first, runs[i].second);
        ASSERT_GE(got.size(), 7u);
        EXPECT_EQ(Lines(got.begin() + 7, got.end()), expected[i]) << runs[i].second;
    }
}

// A line whose numbers overflow is dropped alone; the lines after it still come.
TEST(PeriodicFamilies, OverflowingLinesAreSkippedAndTheRestFollow) {
    expectBlocks({
        {kCosine,
         "1E308 1 0 -1E308",
         {"y = 1E+308 cos( 1 x  ) + -1E+308", "    T = 6.28318530717958",
          "    Symmetry Axis : x = ( k ∈ Z )", "    0 + 3.14159265358979 * k",
          "    Symmetric Center : ( k ∈ Z )", "    1.5707963267949 + 3.14159265358979 * k",
          "    Decreasing Interval : ( k ∈ Z )", "     ( 0 + 6.28318530717958 * k , ",
          "    3.14159265358979 + 6.28318530717958 * k ) ", "    Increasing Interval : ( k ∈ Z )",
          "     ( 3.14159265358979 + 6.28318530717958 * k , ",
          "    6.28318530717958 + 6.28318530717958 * k ) "}},
        // π / ω overflows, and with it every line that carries a k-term.
        {kSine,
         "1 1E-308 0 0",
         {"y = 1 sin( 1E-308 x  )", "    Range :  [ -1 , 1 ] ", "    Symmetry Axis : x = ( k ∈ Z )",
          "    Symmetric Center : ( k ∈ Z )", "    Decreasing Interval : ( k ∈ Z )",
          "    Increasing Interval : ( k ∈ Z )"}},
        // 2 ω overflows: the quarter period comes out as 0, still signed by ω.
        {kTangent,
         "1 -1E308 0 0",
         {"y = 1 tan( -1E+308 x  )", "    T = 3.14159265358979E-308", "    Range : R",
          "    Symmetric Center : ( k ∈ Z )", "    0 - 0 * k",
          "    Decreasing Interval : ( k ∈ Z )", "     ( 0 - 3.14159265358979E-308 * k , ",
          "    0 - 3.14159265358979E-308 * k ) "}},
        {kTangent,
         "1 1E-308 -2 0",
         {"y = 1 tan( 1E-308 x - 2 )", "    Range : R", "    Symmetric Center : ( k ∈ Z )",
          "    Increasing Interval : ( k ∈ Z )"}},
    });
}

TEST(PeriodicFamilies, ZeroAmplitudeOrFrequencyIsNotAFunction) {
    for (const int family : {kSine, kCosine, kTangent}) {
        for (const char* coef : {"0 2 1 1", "2 0 1 1", ""}) {
            Bench bench;
            EXPECT_TRUE(plotWith(bench, family, coef).empty()) << family << ": " << coef;
            EXPECT_TRUE(bench.canvas.points.empty());
            EXPECT_EQ(bench.form.formulaLabel(), "Not a Function");
            EXPECT_FALSE(bench.form.plotted());
        }
    }
}

// The curve follows the family's function. The modes are locked for these
// families; a mode that got through anyway changes neither curve nor lines.
TEST(PeriodicFamilies, CurveFollowsTheFunctionWhateverTheMode) {
    // A = 2, ω = 2, φ = 1, M = -1 at x = -10.
    const std::pair<int, double> cases[] = {{kSine, 2 * std::sin(-19.0) - 1},
                                            {kCosine, 2 * std::cos(-19.0) - 1},
                                            {kTangent, std::tan(-19.0) * 2 - 1}};
    for (const auto& [family, y] : cases) {
        Bench bench;
        bench.form.clickMode(AbsMode::OfArgument);
        const Lines lines = plotWith(bench, family, "2 2 1 -1");
        EXPECT_FALSE(bench.form.modesEnabled());
        EXPECT_EQ(modeIndex(bench.form.absmode()), 0);
        ASSERT_EQ(bench.canvas.points.size(), 20001u);
        EXPECT_EQ(bench.canvas.points.front().x, -10.0f);
        EXPECT_EQ(bench.canvas.points.front().y, static_cast<float>(y));
        for (const int mode : {1, 2}) {
            RecordingCanvas canvas;
            Session session;
            PlotContext context(bench.form.coef(), bench.form.zoom(), modeAt(mode),
                                bench.form.periodic(), canvas, &session);
            plotFamily(*familyDescription(family), context);
            EXPECT_EQ(lineTexts(session), lines) << family << ", mode " << mode;
            ASSERT_EQ(canvas.points.size(), 20001u);
            for (std::size_t i = 0; i < canvas.points.size(); i += 997)
                EXPECT_EQ(canvas.points[i].y, bench.canvas.points[i].y);
        }
    }
}

} // namespace
} // namespace oltrave::testing
