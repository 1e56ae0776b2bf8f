#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysischecks.h"
#include "model/language.h"

namespace oltrave::testing {
namespace {

// Every row worked out by hand from the function.
struct AnalysisCase {
    std::string family;
    int mode;
    std::vector<std::string> boxes;
    bool exact;
    std::vector<std::string> rows;
};

void expectRows(const AnalysisCase& c) {
    SCOPED_TRACE(c.family + " mode " + std::to_string(c.mode) + " " + c.boxes[0] +
                 (c.exact ? " exact" : " decimal"));
    const std::optional<Analysis> analysis = analysisOf(c.family, c.mode, c.boxes, c.exact);
    ASSERT_TRUE(analysis);
    EXPECT_EQ(rowTexts(*analysis), c.rows);
}

TEST(Analysis, CubicsWithOneTwoAndThreeZeros) {
    const AnalysisCase cases[] = {
        // x ^ 3 - 3 x = x (x - √3)(x + √3), turning at ±1
        {"cubic",
         0,
         {"1", "0", "-3", "0"},
         true,
         {"Domain : R", "Range : R", "Parity : odd", "Period : none", "Zeros : -√3 ; 0 ; √3",
          "y-Intercept : ( 0 , 0 )", "Extrema : max ( -1 , 2 ) ; min ( 1 , -2 )",
          "Increasing Intervals : ( - ∞ , -1 ) ; ( 1 , + ∞ )", "Decreasing Intervals : ( -1 , 1 )",
          "Symmetry Axes : none", "Symmetric Centers : ( 0 , 0 )", "Asymptotes : none",
          "Inflection Points : ( 0 , 0 )"}},
        // (x - 1)(x - 2)(x - 3) = u ^ 3 - u with u = x - 2; turns at u = ∓√3/3
        {"cubic",
         0,
         {"1", "-6", "11", "-6"},
         true,
         {"Domain : R", "Range : R", "Parity : neither", "Period : none", "Zeros : 1 ; 2 ; 3",
          "y-Intercept : ( 0 , -6 )",
          "Extrema : max ( 2 - √3/3 , 2√3/9 ) ; min ( 2 + √3/3 , -2√3/9 )",
          "Increasing Intervals : ( - ∞ , 2 - √3/3 ) ; ( 2 + √3/3 , + ∞ )",
          "Decreasing Intervals : ( 2 - √3/3 , 2 + √3/3 )", "Symmetry Axes : none",
          "Symmetric Centers : ( 2 , 0 )", "Asymptotes : none", "Inflection Points : ( 2 , 0 )"}},
        // (x - 1) ^ 2 (x + 2): the double root is the minimum
        {"cubic",
         0,
         {"1", "0", "-3", "2"},
         true,
         {"Domain : R", "Range : R", "Parity : neither", "Period : none", "Zeros : -2 ; 1",
          "y-Intercept : ( 0 , 2 )", "Extrema : max ( -1 , 4 ) ; min ( 1 , 0 )",
          "Increasing Intervals : ( - ∞ , -1 ) ; ( 1 , + ∞ )", "Decreasing Intervals : ( -1 , 1 )",
          "Symmetry Axes : none", "Symmetric Centers : ( 0 , 2 )", "Asymptotes : none",
          "Inflection Points : ( 0 , 2 )"}},
        // The same in decimals.
        {"cubic",
         0,
         {"1", "0", "-3", "2"},
         false,
         {"Domain : R", "Range : R", "Parity : neither", "Period : none", "Zeros : -2 ; 1",
          "y-Intercept : ( 0 , 2 )", "Extrema : max ( -1 , 4 ) ; min ( 1 , 0 )",
          "Increasing Intervals : ( - ∞ , -1 ) ; ( 1 , + ∞ )", "Decreasing Intervals : ( -1 , 1 )",
          "Symmetry Axes : none", "Symmetric Centers : ( 0 , 2 )", "Asymptotes : none",
          "Inflection Points : ( 0 , 2 )"}},
        // -x ^ 3 + 3 x ^ 2 = x ^ 2 (3 - x): double root at 0 is a minimum,
        // the maximum at 2 is 4, the inflection at 1 is 2
        {"cubic",
         0,
         {"-1", "3", "0", "0"},
         true,
         {"Domain : R", "Range : R", "Parity : neither", "Period : none", "Zeros : 0 ; 3",
          "y-Intercept : ( 0 , 0 )", "Extrema : min ( 0 , 0 ) ; max ( 2 , 4 )",
          "Increasing Intervals : ( 0 , 2 )", "Decreasing Intervals : ( - ∞ , 0 ) ; ( 2 , + ∞ )",
          "Symmetry Axes : none", "Symmetric Centers : ( 1 , 2 )", "Asymptotes : none",
          "Inflection Points : ( 1 , 2 )"}},
        // x ^ 3 + x: one zero, rising everywhere
        {"cubic",
         0,
         {"1", "0", "1", "0"},
         true,
         {"Domain : R", "Range : R", "Parity : odd", "Period : none", "Zeros : 0",
          "y-Intercept : ( 0 , 0 )", "Extrema : none", "Increasing Intervals : R",
          "Decreasing Intervals : none", "Symmetry Axes : none", "Symmetric Centers : ( 0 , 0 )",
          "Asymptotes : none", "Inflection Points : ( 0 , 0 )"}},
        // 2 x ^ 3 - 1 - 1 = 2 (x - 1)(x ^ 2 + x + 1): the rational root, and a
        // quadratic factor without real roots
        {"cubic",
         0,
         {"2", "0", "0", "-2"},
         true,
         {"Domain : R", "Range : R", "Parity : neither", "Period : none", "Zeros : 1",
          "y-Intercept : ( 0 , -2 )", "Extrema : none", "Increasing Intervals : R",
          "Decreasing Intervals : none", "Symmetry Axes : none", "Symmetric Centers : ( 0 , -2 )",
          "Asymptotes : none", "Inflection Points : ( 0 , -2 )"}},
        // x ^ 3 - 2x has the rational root 0; the quadratic factor gives ±√2
        {"cubic",
         0,
         {"1", "0", "-2", "0"},
         true,
         {"Domain : R", "Range : R", "Parity : odd", "Period : none", "Zeros : -√2 ; 0 ; √2",
          "y-Intercept : ( 0 , 0 )", "Extrema : max ( -√6/3 , 4√6/9 ) ; min ( √6/3 , -4√6/9 )",
          "Increasing Intervals : ( - ∞ , -√6/3 ) ; ( √6/3 , + ∞ )",
          "Decreasing Intervals : ( -√6/3 , √6/3 )", "Symmetry Axes : none",
          "Symmetric Centers : ( 0 , 0 )", "Asymptotes : none", "Inflection Points : ( 0 , 0 )"}},
    };
    for (const AnalysisCase& c : cases)
        expectRows(c);
}

// A cubic without a rational root keeps its zero in decimals: x ^ 3 = 2.
TEST(Analysis, CubicWithoutRationalRootIsDecimal) {
    const std::optional<Analysis> an = analysisOf("cubic", 0, {"1", "0", "0", "-2"}, true);
    ASSERT_TRUE(an);
    ASSERT_EQ(an->zeros.size(), 1u);
    EXPECT_FALSE(an->zeros[0].base.exact);
    EXPECT_NEAR(an->zeros[0].base.value, std::cbrt(2.0), 1e-12);
    EXPECT_EQ(numberText(an->zeros[0].base), "1.25992104989487");
}

TEST(Analysis, FoldsAndMirrorsInEveryMode) {
    const AnalysisCase cases[] = {
        // |x ^ 2 - 2x - 3| = |(x - 3)(x + 1)|: corners at the zeros, the vertex
        // (1, -4) folded up to a maximum
        {"quadratic",
         1,
         {"1", "-2", "-3"},
         false,
         {"Domain : R", "Range : [ 0 , + ∞ )", "Parity : neither", "Period : none",
          "Zeros : -1 ; 3", "y-Intercept : ( 0 , 3 )",
          "Extrema : min ( -1 , 0 ) ; max ( 1 , 4 ) ; min ( 3 , 0 )",
          "Increasing Intervals : ( -1 , 1 ) ; ( 3 , + ∞ )",
          "Decreasing Intervals : ( - ∞ , -1 ) ; ( 1 , 3 )", "Symmetry Axes : x = 1",
          "Symmetric Centers : none", "Asymptotes : none", "Inflection Points : none"}},
        // x ^ 2 - 2x - 3 itself
        {"quadratic",
         0,
         {"1", "-2", "-3"},
         true,
         {"Domain : R", "Range : [ -4 , + ∞ )", "Parity : neither", "Period : none",
          "Zeros : -1 ; 3", "y-Intercept : ( 0 , -3 )", "Extrema : min ( 1 , -4 )",
          "Increasing Intervals : ( 1 , + ∞ )", "Decreasing Intervals : ( - ∞ , 1 )",
          "Symmetry Axes : x = 1", "Symmetric Centers : none", "Asymptotes : none",
          "Inflection Points : none"}},
        // |2x - 4|: a V about x = 2
        {"linear",
         1,
         {"2", "-4"},
         false,
         {"Domain : R", "Range : [ 0 , + ∞ )", "Parity : neither", "Period : none", "Zeros : 2",
          "y-Intercept : ( 0 , 4 )", "Extrema : min ( 2 , 0 )",
          "Increasing Intervals : ( 2 , + ∞ )", "Decreasing Intervals : ( - ∞ , 2 )",
          "Symmetry Axes : x = 2", "Symmetric Centers : none", "Asymptotes : none",
          "Inflection Points : none"}},
        // -|x| + 1: a peak at 0, zeros at ±1
        {"linear",
         2,
         {"-1", "1"},
         false,
         {"Domain : R", "Range : ( - ∞ , 1 ]", "Parity : even", "Period : none", "Zeros : -1 ; 1",
          "y-Intercept : ( 0 , 1 )", "Extrema : max ( 0 , 1 )",
          "Increasing Intervals : ( - ∞ , 0 )", "Decreasing Intervals : ( 0 , + ∞ )",
          "Symmetry Axes : x = 0", "Symmetric Centers : none", "Asymptotes : none",
          "Inflection Points : none"}},
        // 2 ^ |x| - 3: a corner minimum at 0, zeros at ±log2 3
        {"exponential",
         2,
         {"2", "-3"},
         false,
         {"Domain : R", "Range : [ -2 , + ∞ )", "Parity : even", "Period : none",
          "Zeros : -1.58496250072116 ; 1.58496250072116", "y-Intercept : ( 0 , -2 )",
          "Extrema : min ( 0 , -2 )", "Increasing Intervals : ( 0 , + ∞ )",
          "Decreasing Intervals : ( - ∞ , 0 )", "Symmetry Axes : x = 0", "Symmetric Centers : none",
          "Asymptotes : none", "Inflection Points : none"}},
        // 0.5 ^ |x| - 2: a peak at 0 and the level -2 on both sides
        {"exponential",
         2,
         {"0.5", "-2"},
         false,
         {"Domain : R", "Range : ( -2 , -1 ]", "Parity : even", "Period : none", "Zeros : none",
          "y-Intercept : ( 0 , -1 )", "Extrema : max ( 0 , -1 )",
          "Increasing Intervals : ( - ∞ , 0 )", "Decreasing Intervals : ( 0 , + ∞ )",
          "Symmetry Axes : x = 0", "Symmetric Centers : none", "Asymptotes : y = -2 ( x → ± ∞ )",
          "Inflection Points : none"}},
        // 2 ^ x - 8 in exact mode: the zero log2 8 has no closed form of the shape
        {"exponential",
         0,
         {"2", "-8"},
         true,
         {"Domain : R", "Range : ( -8 , + ∞ )", "Parity : neither", "Period : none", "Zeros : 3",
          "y-Intercept : ( 0 , -7 )", "Extrema : none", "Increasing Intervals : R",
          "Decreasing Intervals : none", "Symmetry Axes : none", "Symmetric Centers : none",
          "Asymptotes : y = -8 ( x → - ∞ )", "Inflection Points : none"}},
        // |0.5 ^ x - 2|: the fold at x = -1, the level 2 on the right
        {"exponential",
         1,
         {"0.5", "-2"},
         false,
         {"Domain : R", "Range : [ 0 , + ∞ )", "Parity : neither", "Period : none", "Zeros : -1",
          "y-Intercept : ( 0 , 1 )", "Extrema : min ( -1 , 0 )",
          "Increasing Intervals : ( -1 , + ∞ )", "Decreasing Intervals : ( - ∞ , -1 )",
          "Symmetry Axes : none", "Symmetric Centers : none", "Asymptotes : y = 2 ( x → + ∞ )",
          "Inflection Points : none"}},
    };
    for (const AnalysisCase& c : cases)
        expectRows(c);
}

TEST(Analysis, LogarithmInEveryMode) {
    const AnalysisCase cases[] = {
        {"logarithmic",
         0,
         {"2", "-1"},
         true,
         {"Domain : ( 0 , + ∞ )", "Range : R", "Parity : neither", "Period : none", "Zeros : 2",
          "y-Intercept : none", "Extrema : none", "Increasing Intervals : ( 0 , + ∞ )",
          "Decreasing Intervals : none", "Symmetry Axes : none", "Symmetric Centers : none",
          "Asymptotes : x = 0", "Inflection Points : none"}},
        // |log2 x - 1|: folded at x = 2, unbounded at both ends
        {"logarithmic",
         1,
         {"2", "-1"},
         true,
         {"Domain : ( 0 , + ∞ )", "Range : [ 0 , + ∞ )", "Parity : neither", "Period : none",
          "Zeros : 2", "y-Intercept : none", "Extrema : min ( 2 , 0 )",
          "Increasing Intervals : ( 2 , + ∞ )", "Decreasing Intervals : ( 0 , 2 )",
          "Symmetry Axes : none", "Symmetric Centers : none", "Asymptotes : x = 0",
          "Inflection Points : none"}},
        // log2 |x| - 1: two branches, no value at 0 and so no corner
        {"logarithmic",
         2,
         {"2", "-1"},
         true,
         {"Domain : ( - ∞ , 0 ) ∪ ( 0 , + ∞ )", "Range : R", "Parity : even", "Period : none",
          "Zeros : -2 ; 2", "y-Intercept : none", "Extrema : none",
          "Increasing Intervals : ( 0 , + ∞ )", "Decreasing Intervals : ( - ∞ , 0 )",
          "Symmetry Axes : x = 0", "Symmetric Centers : none", "Asymptotes : x = 0",
          "Inflection Points : none"}},
        // Base 1/2 falls; log_(1/2) x + 1 is 0 at x = 2
        {"logarithmic",
         0,
         {"1/2", "1"},
         true,
         {"Domain : ( 0 , + ∞ )", "Range : R", "Parity : neither", "Period : none", "Zeros : 2",
          "y-Intercept : none", "Extrema : none", "Increasing Intervals : none",
          "Decreasing Intervals : ( 0 , + ∞ )", "Symmetry Axes : none", "Symmetric Centers : none",
          "Asymptotes : x = 0", "Inflection Points : none"}},
    };
    for (const AnalysisCase& c : cases)
        expectRows(c);
}

TEST(Analysis, SineZerosByLevel) {
    const AnalysisCase cases[] = {
        // 2 sin x - 2: -M/A = 1, the crests touch the axis
        {"sine",
         0,
         {"2", "1", "0", "-2"},
         true,
         {"Domain : R", "Range : [ -4 , 0 ]", "Parity : neither", "Period : 2π",
          "Zeros : π/2 + 2π * k ( k ∈ Z )", "y-Intercept : ( 0 , -2 )",
          "Extrema : min ( -π/2 + 2π * k , -4 ) ( k ∈ Z ) ; max ( π/2 + 2π * k , 0 ) ( k ∈ Z )",
          "Increasing Intervals : ( -π/2 + 2π * k , π/2 + 2π * k ) ( k ∈ Z )",
          "Decreasing Intervals : ( π/2 + 2π * k , 3π/2 + 2π * k ) ( k ∈ Z )",
          "Symmetry Axes : x = π/2 + π * k ( k ∈ Z )",
          "Symmetric Centers : ( 0 + π * k , -2 ) ( k ∈ Z )", "Asymptotes : none",
          "Inflection Points : ( 0 + π * k , -2 ) ( k ∈ Z )"}},
        // 2 sin x + 2: -M/A = -1, the troughs touch it
        {"sine",
         0,
         {"2", "1", "0", "2"},
         true,
         {"Domain : R", "Range : [ 0 , 4 ]", "Parity : neither", "Period : 2π",
          "Zeros : -π/2 + 2π * k ( k ∈ Z )", "y-Intercept : ( 0 , 2 )",
          "Extrema : min ( -π/2 + 2π * k , 0 ) ( k ∈ Z ) ; max ( π/2 + 2π * k , 4 ) ( k ∈ Z )",
          "Increasing Intervals : ( -π/2 + 2π * k , π/2 + 2π * k ) ( k ∈ Z )",
          "Decreasing Intervals : ( π/2 + 2π * k , 3π/2 + 2π * k ) ( k ∈ Z )",
          "Symmetry Axes : x = π/2 + π * k ( k ∈ Z )",
          "Symmetric Centers : ( 0 + π * k , 2 ) ( k ∈ Z )", "Asymptotes : none",
          "Inflection Points : ( 0 + π * k , 2 ) ( k ∈ Z )"}},
        // 2 sin(2x) - 1: sin u = 1/2 at u = π/6 and 5π/6, x half of that;
        // falling where u is in (π/2, 3π/2)
        {"sine",
         0,
         {"2", "2", "0", "-1"},
         true,
         {"Domain : R", "Range : [ -3 , 1 ]", "Parity : neither", "Period : π",
          "Zeros : π/12 + π * k ( k ∈ Z ) ; 5π/12 + π * k ( k ∈ Z )", "y-Intercept : ( 0 , -1 )",
          "Extrema : min ( -π/4 + π * k , -3 ) ( k ∈ Z ) ; max ( π/4 + π * k , 1 ) ( k ∈ Z )",
          "Increasing Intervals : ( -π/4 + π * k , π/4 + π * k ) ( k ∈ Z )",
          "Decreasing Intervals : ( π/4 + π * k , 3π/4 + π * k ) ( k ∈ Z )",
          "Symmetry Axes : x = π/4 + π/2 * k ( k ∈ Z )",
          "Symmetric Centers : ( 0 + π/2 * k , -1 ) ( k ∈ Z )", "Asymptotes : none",
          "Inflection Points : ( 0 + π/2 * k , -1 ) ( k ∈ Z )"}},
        // sin x: odd, zeros every π
        {"sine",
         0,
         {"1", "1", "0", "0"},
         true,
         {"Domain : R", "Range : [ -1 , 1 ]", "Parity : odd", "Period : 2π",
          "Zeros : 0 + π * k ( k ∈ Z )", "y-Intercept : ( 0 , 0 )",
          "Extrema : min ( -π/2 + 2π * k , -1 ) ( k ∈ Z ) ; max ( π/2 + 2π * k , 1 ) ( k ∈ Z )",
          "Increasing Intervals : ( -π/2 + 2π * k , π/2 + 2π * k ) ( k ∈ Z )",
          "Decreasing Intervals : ( π/2 + 2π * k , 3π/2 + 2π * k ) ( k ∈ Z )",
          "Symmetry Axes : x = π/2 + π * k ( k ∈ Z )",
          "Symmetric Centers : ( 0 + π * k , 0 ) ( k ∈ Z )", "Asymptotes : none",
          "Inflection Points : ( 0 + π * k , 0 ) ( k ∈ Z )"}},
        // -sin(x + π/2) + 1 = 1 - cos x: even, touching the axis at x = 2π k;
        // the crests of -sin are at u = -π/2, x = -π
        {"sine",
         0,
         {"-1", "1", "π/2", "1"},
         true,
         {"Domain : R", "Range : [ 0 , 2 ]", "Parity : even", "Period : 2π",
          "Zeros : 0 + 2π * k ( k ∈ Z )", "y-Intercept : ( 0 , 0 )",
          "Extrema : max ( -π + 2π * k , 2 ) ( k ∈ Z ) ; min ( 0 + 2π * k , 0 ) ( k ∈ Z )",
          "Increasing Intervals : ( 0 + 2π * k , π + 2π * k ) ( k ∈ Z )",
          "Decreasing Intervals : ( -π + 2π * k , 0 + 2π * k ) ( k ∈ Z )",
          "Symmetry Axes : x = 0 + π * k ( k ∈ Z )",
          "Symmetric Centers : ( -π/2 + π * k , 1 ) ( k ∈ Z )", "Asymptotes : none",
          "Inflection Points : ( -π/2 + π * k , 1 ) ( k ∈ Z )"}},
    };
    for (const AnalysisCase& c : cases)
        expectRows(c);
}

// sin x = 0.3 has no standard angle: its zeros stay in decimals, the step exact.
TEST(Analysis, SineAtANonStandardLevelIsDecimal) {
    const std::optional<Analysis> an = analysisOf("sine", 0, {"1", "1", "0", "-0.3"}, true);
    ASSERT_TRUE(an);
    ASSERT_EQ(an->zeros.size(), 2u);
    EXPECT_NEAR(an->zeros[0].base.value, std::asin(0.3), 1e-12);
    EXPECT_NEAR(an->zeros[1].base.value, M_PI - std::asin(0.3), 1e-12);
    EXPECT_EQ(numberText(*an->zeros[0].step), "2π");
    EXPECT_EQ(numberText(an->zeros[0].base), "0.304692654015398");
}

TEST(Analysis, CosineAndTangent) {
    const AnalysisCase cases[] = {
        // cos x - 1/2 is 0 at ±π/3
        {"cosine",
         0,
         {"1", "1", "0", "-1/2"},
         true,
         {"Domain : R", "Range : [ -3/2 , 1/2 ]", "Parity : even", "Period : 2π",
          "Zeros : -π/3 + 2π * k ( k ∈ Z ) ; π/3 + 2π * k ( k ∈ Z )", "y-Intercept : ( 0 , 1/2 )",
          "Extrema : max ( 0 + 2π * k , 1/2 ) ( k ∈ Z ) ; min ( π + 2π * k , -3/2 ) ( k ∈ Z )",
          "Increasing Intervals : ( π + 2π * k , 2π + 2π * k ) ( k ∈ Z )",
          "Decreasing Intervals : ( 0 + 2π * k , π + 2π * k ) ( k ∈ Z )",
          "Symmetry Axes : x = 0 + π * k ( k ∈ Z )",
          "Symmetric Centers : ( π/2 + π * k , -1/2 ) ( k ∈ Z )", "Asymptotes : none",
          "Inflection Points : ( π/2 + π * k , -1/2 ) ( k ∈ Z )"}},
        // tan x - 1: zeros where tan x = 1, poles at π/2 + π k
        {"tangent",
         0,
         {"1", "1", "0", "-1"},
         true,
         {"Domain : x ≠ π/2 + π * k ( k ∈ Z )", "Range : R", "Parity : neither", "Period : π",
          "Zeros : π/4 + π * k ( k ∈ Z )", "y-Intercept : ( 0 , -1 )", "Extrema : none",
          "Increasing Intervals : ( -π/2 + π * k , π/2 + π * k ) ( k ∈ Z )",
          "Decreasing Intervals : none", "Symmetry Axes : none",
          "Symmetric Centers : ( 0 + π/2 * k , -1 ) ( k ∈ Z )",
          "Asymptotes : x = π/2 + π * k ( k ∈ Z )",
          "Inflection Points : ( 0 + π * k , -1 ) ( k ∈ Z )"}},
        // -2 tan(2x + π/2) + 2 = 2 cot(2x) + 2: falling, a pole at 0,
        // tan u = 1 at u = π/4, x = -π/8
        {"tangent",
         0,
         {"-2", "2", "π/2", "2"},
         true,
         {"Domain : x ≠ 0 + π/2 * k ( k ∈ Z )", "Range : R", "Parity : neither", "Period : π/2",
          "Zeros : -π/8 + π/2 * k ( k ∈ Z )", "y-Intercept : none", "Extrema : none",
          "Increasing Intervals : none",
          "Decreasing Intervals : ( -π/2 + π/2 * k , 0 + π/2 * k ) ( k ∈ Z )",
          "Symmetry Axes : none", "Symmetric Centers : ( -π/4 + π/4 * k , 2 ) ( k ∈ Z )",
          "Asymptotes : x = 0 + π/2 * k ( k ∈ Z )",
          "Inflection Points : ( -π/4 + π/2 * k , 2 ) ( k ∈ Z )"}},
    };
    for (const AnalysisCase& c : cases)
        expectRows(c);
}

TEST(Analysis, NoAnalysisWithoutAFunction) {
    EXPECT_FALSE(analysisOf("linear", 0, {"0", "3"}, false));
    EXPECT_FALSE(analysisOf("logarithmic", 2, {"1", "3"}, true));
    EXPECT_FALSE(analysisOf("tangent", 0, {"1", "0", "0", "0"}, false));
    EXPECT_FALSE(analysisOf("quadratic", 3, {"1", "0", "0"}, false));
}

TEST(Analysis, RowsSpeakChinese) {
    chooseLanguage(Language::Chinese);
    const std::optional<Analysis> an = analysisOf("quadratic", 0, {"1", "0", "-1"}, false);
    chooseLanguage(Language::English);
    ASSERT_TRUE(an);
    chooseLanguage(Language::Chinese);
    const std::vector<std::string> rows = rowTexts(*an);
    chooseLanguage(Language::English);
    const std::vector<std::string> expected{"定义域 : R",
                                            "值域 : [ -1 , + ∞ )",
                                            "奇偶性 : 偶函数",
                                            "周期 : 无",
                                            "零点 : -1 ; 1",
                                            "与 y 轴的交点 : ( 0 , -1 )",
                                            "极值 : 极小值 ( 0 , -1 )",
                                            "单调递增区间 : ( 0 , + ∞ )",
                                            "单调递减区间 : ( - ∞ , 0 )",
                                            "对称轴 : x = 0",
                                            "对称中心 : 无",
                                            "渐近线 : 无",
                                            "拐点 : 无"};
    EXPECT_EQ(rows, expected);
}

} // namespace
} // namespace oltrave::testing
