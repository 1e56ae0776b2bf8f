#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/intersect.h"
#include "analysis/rows.h"
#include "analysischecks.h"

namespace oltrave::testing {
namespace {

struct Curve {
    std::string family;
    int mode;
    std::vector<std::string> boxes;
};

AnalysedCurve curveOf(const Curve& c, bool exact) {
    return {&familyNamed(c.family), modeAt(c.mode), readCoefficients(c.boxes, exact)};
}

Intersections meet(const Curve& a, const Curve& b, bool exact, double reach = 10) {
    return intersect(curveOf(a, exact), curveOf(b, exact), reach);
}

// Every row worked out by hand.
struct MeetingCase {
    std::string what;
    Curve a;
    Curve b;
    bool exact;
    std::vector<std::string> rows;
};

TEST(Intersect, LinesAndParabolasInClosedForm) {
    const MeetingCase cases[] = {
        {"parallel lines", {"linear", 0, {"2", "1"}}, {"linear", 0, {"2", "-3"}}, true, {}},
        {"the same line",
         {"linear", 0, {"2", "1"}},
         {"linear", 0, {"2", "1"}},
         true,
         {"The same curve"}},
        // 2x + 1 = -x + 7
        {"crossing lines",
         {"linear", 0, {"2", "1"}},
         {"linear", 0, {"-1", "7"}},
         true,
         {"( 2 , 5 )"}},
        // x ^ 2 - x + 1 has no real root
        {"line missing a parabola",
         {"quadratic", 0, {"1", "0", "0"}},
         {"linear", 0, {"1", "-1"}},
         true,
         {}},
        // x ^ 2 - 2x + 1 = (x - 1) ^ 2
        {"tangent line",
         {"quadratic", 0, {"1", "0", "0"}},
         {"linear", 0, {"2", "-1"}},
         true,
         {"( 1 , 1 )"}},
        // x ^ 2 - 2x - 3 = x + 1: x ^ 2 - 3x - 4 = (x + 1)(x - 4)
        {"secant line",
         {"quadratic", 0, {"1", "-2", "-3"}},
         {"linear", 0, {"1", "1"}},
         true,
         {"( -1 , 0 )", "( 4 , 5 )"}},
        // x ^ 2 = x + 1
        {"golden section",
         {"linear", 0, {"1", "1"}},
         {"quadratic", 0, {"1", "0", "0"}},
         true,
         {"( 1/2 - √5/2 , 3/2 - √5/2 )", "( 1/2 + √5/2 , 3/2 + √5/2 )"}},
        // x ^ 2 + x = 2x ^ 2 - x: x (x - 2) = 0
        {"two parabolas",
         {"quadratic", 0, {"1", "1", "0"}},
         {"quadratic", 0, {"2", "-1", "0"}},
         true,
         {"( 0 , 0 )", "( 2 , 6 )"}},
        // x ^ 2 - 1 = 1 - x ^ 2
        {"opposite parabolas",
         {"quadratic", 0, {"1", "0", "-1"}},
         {"quadratic", 0, {"-1", "0", "1"}},
         true,
         {"( -1 , 0 )", "( 1 , 0 )"}},
        {"parabola and a level line in decimals",
         {"quadratic", 0, {"1", "0", "-2"}},
         {"quadratic", 0, {"2", "0", "-4"}},
         false,
         {"( -1.4142135623731 , 0 )", "( 1.4142135623731 , 0 )"}},
        // x - 1 = x / 2 at 2, 1 - x = x / 2 at 2/3
        {"|x - 1| and a line",
         {"linear", 1, {"1", "-1"}},
         {"linear", 0, {"1/2", "0"}},
         true,
         {"( 2/3 , 1/3 )", "( 2 , 1 )"}},
        {"|x| and x", {"linear", 2, {"1", "0"}}, {"linear", 0, {"1", "0"}}, true, {"[ 0 , 10 ]"}},
        {"|x ^ 2 + 1| is x ^ 2 + 1",
         {"quadratic", 1, {"1", "0", "1"}},
         {"quadratic", 0, {"1", "0", "1"}},
         true,
         {"The same curve"}},
        // (x + 3) ^ 2 = 1 at -4 and -2: beyond the reach of 3 only -2 is left
        {"the view's reach",
         {"quadratic", 0, {"1", "6", "9"}},
         {"quadratic", 0, {"2", "12", "17"}},
         true,
         {"( -2 , 1 )"}},
    };
    for (const MeetingCase& c : cases) {
        SCOPED_TRACE(c.what);
        const double reach = c.what == "the view's reach" ? 3 : 10;
        EXPECT_EQ(intersectionRows(meet(c.a, c.b, c.exact, reach)), c.rows);
    }
}

// The meetings without a closed form, each checked against its curves.
TEST(Intersect, SampledCurvesMeetToTheLastDigits) {
    const double pi = std::numbers::pi;
    struct Sampled {
        std::string what;
        Curve a;
        Curve b;
        std::vector<double> xs; // worked by hand
    };
    const Sampled cases[] = {
        // sin x = 2x/π only at 0 and ±π/2
        {"sine and a line",
         {"sine", 0, {"1", "1", "0", "0"}},
         {"linear", 0, {"0.6366197723675814", "0"}},
         {-pi / 2, 0, pi / 2}},
        // e ^ x touches e x at 1, between two samples
        {"tangent line to an exponential",
         {"exponential", 0, {"2.718281828459045", "0"}},
         {"linear", 0, {"2.718281828459045", "0"}},
         {1}},
        // (√2) ^ x = x at 2 and 4, where its inverse meets it too
        {"exponential and logarithm",
         {"exponential", 0, {"1.4142135623730951", "0"}},
         {"logarithmic", 0, {"1.4142135623730951", "0"}},
         {2, 4}},
        // 2 ^ x stays above log2 x
        {"exponential above its logarithm",
         {"exponential", 0, {"2", "0"}},
         {"logarithmic", 0, {"2", "0"}},
         {}},
    };
    for (const Sampled& c : cases) {
        SCOPED_TRACE(c.what);
        const Intersections found = meet(c.a, c.b, true);
        ASSERT_EQ(found.points.size(), c.xs.size());
        for (std::size_t i = 0; i < c.xs.size(); ++i)
            EXPECT_NEAR(found.points[i].x.value, c.xs[i], 1e-9);
    }
}

TEST(Intersect, SeveralMeetingsAndNoneAtAPole) {
    const auto check = [](const Curve& a, const Curve& b, std::size_t count) {
        const Intersections found = meet(a, b, false);
        ASSERT_EQ(found.points.size(), count);
        const AnalysedCurve sa = curveOf(a, false);
        const AnalysedCurve sb = curveOf(b, false);
        for (const Intersection& p : found.points) {
            const Coefficients ca{sa.coef[0].value, sa.coef[1].value, sa.coef[2].value, 0};
            const Coefficients cb{sb.coef[0].value, sb.coef[1].value, sb.coef[2].value, 0};
            const double fa = *valueInMode(*sa.family, sa.mode, ca, p.x.value);
            const double fb = *valueInMode(*sb.family, sb.mode, cb, p.x.value);
            EXPECT_NEAR(fa, fb, 1e-12 * std::max(1.0, std::fabs(fa))) << p.x.value;
        }
    };
    // sin x = x / 10: 0, and three on each side within ±10
    check({"sine", 0, {"1", "1", "0", "0"}}, {"linear", 0, {"0.1", "0"}}, 7);
    // tan x = x - 100: once on each of the five whole branches and once after
    // 5π/2; the six poles are no meetings
    check({"tangent", 0, {"1", "1", "0", "0"}}, {"linear", 0, {"1", "-100"}}, 6);
}

TEST(Intersect, SameCurveAndOverlapBySampling) {
    // sin (x + π/2) is cos x
    EXPECT_TRUE(meet({"sine", 0, {"1", "1", "π/2", "0"}}, {"cosine", 0, {"1", "1", "0", "0"}}, true)
                    .sameCurve);
    // 2 ^ |x| is 2 ^ x for x ≥ 0
    const Intersections found =
        meet({"exponential", 2, {"2", "0"}}, {"exponential", 0, {"2", "0"}}, false);
    EXPECT_FALSE(found.sameCurve);
    EXPECT_TRUE(found.points.empty());
    ASSERT_EQ(found.overlaps.size(), 1u);
    EXPECT_NEAR(found.overlaps[0].from->value, 0, 1e-9);
    EXPECT_EQ(found.overlaps[0].to->value, 10);
}

} // namespace
} // namespace oltrave::testing
