#include <cmath>
#include <numbers>
#include <random>

#include <gtest/gtest.h>

#include "overlay/curvesampler.h"
#include "overlay/planeview.h"

namespace oltrave::testing {
namespace {

TEST(PlaneView, ZoomAndPanKeepThePointUnderThePointer) {
    std::mt19937 random(31);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int trial = 0; trial < 1000; ++trial) {
        PlaneView view;
        view.resize(200 + 1800 * unit(random), 150 + 900 * unit(random));
        view.home(0.01 + 100 * unit(random), trial % 2 == 0);
        view.pan(500 * (unit(random) - 0.5), 500 * (unit(random) - 0.5));
        const double px = view.width * unit(random);
        const double py = view.height * unit(random);
        const double x = view.xAt(px);
        const double y = view.yAt(py);
        view.zoomAbout(px, py, 0.2 + 3 * unit(random));
        const double tolerance = 1e-9 * (std::fabs(view.unitX) + std::fabs(view.unitY)) * 1000;
        EXPECT_NEAR(view.xAt(px), x, tolerance);
        EXPECT_NEAR(view.yAt(py), y, tolerance);
        // A drag moves the plane with the pointer.
        view.pan(37, -12);
        EXPECT_NEAR(view.xAt(px + 37), x, tolerance);
        EXPECT_NEAR(view.yAt(py - 12), y, tolerance);
    }
}

TEST(PlaneView, HomeShowsReachWithEqualUnitsOrFilled) {
    PlaneView view;
    view.resize(800, 400);
    view.home(10, true);
    // The shorter side shows ±10, the longer one ±20: a circle stays round.
    EXPECT_DOUBLE_EQ(view.top(), 10);
    EXPECT_DOUBLE_EQ(view.right(), 20);
    EXPECT_DOUBLE_EQ(view.unitX, view.unitY);
    view.home(10, false);
    EXPECT_DOUBLE_EQ(view.right(), 10);
    EXPECT_DOUBLE_EQ(view.top(), 10);
}

TEST(CurveSampler, NeverJoinedAcrossAPoleOrAnEdge) {
    const double pi = std::numbers::pi;
    for (double reach : {2.0, 10.0, 100.0}) {
        PlaneView view;
        view.resize(3840, 2160);
        view.home(reach, true);
        const auto tangent = [](double x) { return std::optional<double>(std::tan(x)); };
        for (const auto& line : sampleCurve(tangent, view)) {
            for (std::size_t i = 1; i < line.size(); ++i) {
                const double a = view.xAt(line[i - 1].x);
                const double b = view.xAt(line[i].x);
                // No asymptote π/2 + kπ lies between two joined points.
                EXPECT_EQ(std::floor((a - pi / 2) / pi), std::floor((b - pi / 2) / pi))
                    << reach << ": " << a << " to " << b;
            }
        }
        const auto logarithm = [](double x) {
            return x > 0 ? std::optional<double>(std::log(x)) : std::nullopt;
        };
        const auto lines = sampleCurve(logarithm, view);
        ASSERT_EQ(lines.size(), 1u);
        // Followed to its edge at 0, not started at the first whole pixel.
        EXPECT_LT(view.xAt(lines.front().front().x), 1e-5 * reach);
        EXPECT_GT(view.xAt(lines.front().front().x), 0);
    }
}

} // namespace
} // namespace oltrave::testing
