// Zeros, extrema and asymptotes from the closed forms: a table worked out by
// hand, then a property check against the sampled curve for many coefficients.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "model/familytable.h"
#include "model/keypoints.h"

namespace {

using namespace oltrave;

constexpr double kPiExact = 3.141592653589793;
const double kThird = 1 / std::sqrt(3.0);

struct Case {
    const char* name;
    int family;
    int mode;
    Coefficients coef;
    double reach;
    std::vector<double> zeros, extrema, asymptotes;
};

std::vector<double> times(std::vector<double> ks, double step, double offset = 0) {
    for (double& k : ks)
        k = offset + k * step;
    return ks;
}

void expectNear(const std::vector<double>& got, const std::vector<double>& want, const char* what,
                const char* name) {
    ASSERT_EQ(got.size(), want.size()) << name << ": " << what;
    for (std::size_t i = 0; i < got.size(); ++i)
        EXPECT_NEAR(got[i], want[i], 1e-9) << name << ": " << what << " " << i;
}

TEST(KeyPoints, ClosedFormsPerFamilyAndMode) {
    const double pi = kPiExact;
    const Case cases[] = {
        {"2x-4", 0, 0, {2, -4, 0, 0}, 10, {2}, {}, {}},
        {"|2x-4|", 0, 1, {2, -4, 0, 0}, 10, {2}, {2}, {}},
        {"2|x|-4", 0, 2, {2, -4, 0, 0}, 10, {-2, 2}, {0}, {}},
        {"2x-4 in a view of 1", 0, 0, {2, -4, 0, 0}, 1, {}, {}, {}},
        {"not a function", 0, 0, {0, 1, 0, 0}, 10, {}, {}, {}},
        {"x^2-4", 1, 0, {1, 0, -4, 0}, 10, {-2, 2}, {0}, {}},
        {"x^2+1", 1, 0, {1, 0, 1, 0}, 10, {}, {0}, {}},
        {"|x^2-2x-3|", 1, 1, {1, -2, -3, 0}, 10, {-1, 3}, {-1, 1, 3}, {}},
        {"|x|^2-2|x|-3", 1, 2, {1, -2, -3, 0}, 10, {-3, 3}, {-1, 0, 1}, {}},
        {"x^3-x", 2, 0, {1, 0, -1, 0}, 10, {-1, 0, 1}, {-kThird, kThird}, {}},
        {"(x-1)(x-2)(x-3)", 2, 0, {1, -6, 11, -6}, 10, {1, 2, 3}, {2 - kThird, 2 + kThird}, {}},
        {"x^3", 2, 0, {1, 0, 0, 0}, 10, {0}, {}, {}},
        {"x^3+x+1", 2, 0, {1, 0, 1, 1}, 10, {-0.6823278038280193}, {}, {}},
        {"x^3-3x+2 (double root)", 2, 0, {1, 0, -3, 2}, 10, {-2, 1}, {-1, 1}, {}},
        {"sin x",
         3,
         0,
         {1, 1, 0, 0},
         10,
         times({-3, -2, -1, 0, 1, 2, 3}, pi),
         times({-3, -2, -1, 0, 1, 2}, pi, pi / 2),
         {}},
        {"2 sin x - 2 (touching)",
         3,
         0,
         {2, 1, 0, -2},
         10,
         times({-1, 0, 1}, 2 * pi, pi / 2),
         times({-3, -2, -1, 0, 1, 2}, pi, pi / 2),
         {}},
        {"sin x + 2 (no zero)", 3, 0, {1, 1, 0, 2}, 3, {}, {-pi / 2, pi / 2}, {}},
        {"cos 2x",
         4,
         0,
         {1, 2, 0, 0},
         2,
         times({-1, 0}, pi / 2, pi / 4),
         times({-1, 0, 1}, pi / 2),
         {}},
        {"tan x",
         5,
         0,
         {1, 1, 0, 0},
         10,
         times({-3, -2, -1, 0, 1, 2, 3}, pi),
         {},
         times({-3, -2, -1, 0, 1, 2}, pi, pi / 2)},
        {"tan x + 1",
         5,
         0,
         {1, 1, 0, 1},
         4,
         times({-1, 0, 1}, pi, -pi / 4),
         {},
         times({-1, 0}, pi, pi / 2)},
        {"tan(x/2 - 1) (ω and φ)",
         5,
         0,
         {1, 0.5, -1, 0},
         10,
         times({-1, 0, 1}, 2 * pi, 2),
         {},
         times({-2, -1, 0}, 2 * pi, 2 + pi)},
        {"2^x-4", 6, 0, {2, -4, 0, 0}, 10, {2}, {}, {}},
        {"|2^x-4|", 6, 1, {2, -4, 0, 0}, 10, {2}, {2}, {}},
        {"2^|x|-4", 6, 2, {2, -4, 0, 0}, 10, {-2, 2}, {0}, {}},
        {"2^x+1", 6, 0, {2, 1, 0, 0}, 10, {}, {}, {}},
        {"log2 x - 3", 7, 0, {2, -3, 0, 0}, 10, {8}, {}, {0}},
        {"|log10 x + 1|", 7, 1, {10, 1, 0, 0}, 10, {0.1}, {0.1}, {0}},
        {"log2 |x| - 3", 7, 2, {2, -3, 0, 0}, 10, {-8, 8}, {}, {0}},
    };
    for (const Case& c : cases) {
        const KeyPoints got =
            keyPointsInMode(*familyDescription(c.family), modeAt(c.mode), c.coef, c.reach);
        expectNear(got.zeros, c.zeros, "zeros", c.name);
        expectNear(got.extrema, c.extrema, "extrema", c.name);
        expectNear(got.asymptotes, c.asymptotes, "asymptotes", c.name);
    }
}

TEST(KeyPoints, PeriodicListsStopAtTheirLimit) {
    const KeyPoints many =
        keyPointsInMode(*familyDescription(5), AbsMode::Plain, {1, 1000, 0, 0}, 1e6);
    EXPECT_EQ(many.zeros.size(), kMaxKeyPoints);
    EXPECT_EQ(many.asymptotes.size(), kMaxKeyPoints);
}

// Against the sampled curve: every sign change of y holds a listed zero, and
// every listed extremum is higher or lower than both its neighbours.
TEST(KeyPoints, AgreeWithTheSampledCurve) {
    std::mt19937 random(17);
    std::uniform_int_distribution<int> small(-6, 6);
    const double bases[] = {0.25, 0.5, 2, 3, 10};
    constexpr double kReach = 10;
    constexpr int kSteps = 20000;
    constexpr double kStep = 2 * kReach / kSteps;
    for (int round = 0; round < 60; ++round) {
        for (int family = 0; family < familyCount(); ++family) {
            const FamilyDescription& d = *familyDescription(family);
            Coefficients coef{};
            for (double& v : coef)
                v = small(random) / 2.0;
            if (family >= 6)
                coef[0] = bases[random() % 5];
            if (!d.valid(coef))
                continue;
            const AbsMode mode = modeAt(static_cast<int>(random() % kModeCount));
            const KeyPoints points = keyPointsInMode(d, mode, coef, kReach);
            const auto y = [&](double x) { return valueInMode(d, mode, coef, x); };
            const auto near = [](const std::vector<double>& xs, double from, double to) {
                for (double x : xs)
                    if (x >= from - 1e-9 && x <= to + 1e-9)
                        return true;
                return false;
            };
            for (int i = 0; i < kSteps; ++i) {
                const double x0 = -kReach + i * kStep, x1 = x0 + kStep;
                const auto y0 = y(x0), y1 = y(x1);
                if (!y0 || !y1 || near(points.asymptotes, x0, x1))
                    continue;
                if ((*y0 < 0 && *y1 > 0) || (*y0 > 0 && *y1 < 0)) {
                    EXPECT_TRUE(near(points.zeros, x0, x1))
                        << d.name << " mode " << modeIndex(mode) << " coef " << coef[0] << " "
                        << coef[1] << " " << coef[2] << " " << coef[3] << " crossing at " << x0;
                }
            }
            for (double x : points.extrema) {
                const auto here = y(x), left = y(x - 1e-4), right = y(x + 1e-4);
                ASSERT_TRUE(here && left && right) << d.name << " at " << x;
                const bool peak = *here >= *left - 1e-9 && *here >= *right - 1e-9;
                const bool dip = *here <= *left + 1e-9 && *here <= *right + 1e-9;
                EXPECT_TRUE(peak || dip)
                    << d.name << " mode " << modeIndex(mode) << " extremum " << x;
            }
        }
    }
}

} // namespace
