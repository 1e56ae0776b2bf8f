#include <cmath>
#include <numbers>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "overlay/ticks.h"

namespace oltrave::testing {
namespace {

// A label 7 pixels a character, as a small sans-serif font draws digits.
double charWidths(const std::string& label) {
    double width = 0;
    for (unsigned char c : label)
        width += (c & 0xC0) == 0x80 ? 0 : 7;
    return width;
}

// The step is 1, 2 or 5 times a power of ten, or a rung of the π ladder.
bool onLadder(double step, bool pi) {
    double unit = step;
    if (pi) {
        if (std::fabs(step - std::numbers::pi / 4) < 1e-12 ||
            std::fabs(step - std::numbers::pi / 2) < 1e-12)
            return true;
        unit = step / std::numbers::pi;
    }
    const double decade = std::pow(10.0, std::floor(std::log10(unit) + 1e-9));
    const double mantissa = unit / decade;
    for (double m : {1.0, 2.0, 5.0})
        if (std::fabs(mantissa - m) < 1e-9)
            return true;
    return false;
}

TEST(Ticks, RandomViewsKeepTheirLabelsApartAndInside) {
    std::mt19937 random(2718);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int trial = 0; trial < 20000; ++trial) {
        const double span = std::pow(10.0, -3 + 9 * unit(random));
        const double low = -span * (unit(random) * 1.5);
        const double high = low + span;
        const double pixels = 40 + 3800 * unit(random);
        const bool pi = trial % 3 == 0;
        SCOPED_TRACE(std::to_string(low) + " to " + std::to_string(high) + " over " +
                     std::to_string(pixels) + (pi ? " in π" : ""));
        const AxisTicks axis = placeTicks(low, high, pixels, pi, charWidths);
        if (axis.step == 0)
            continue;
        ASSERT_TRUE(onLadder(axis.step, axis.pi)) << axis.step;
        EXPECT_GE(axis.step * pixels / span, kTickGap - 1e-9);
        const Tick* previous = nullptr;
        for (const Tick& tick : axis.ticks) {
            EXPECT_GE(tick.value, low - 1e-9 * span);
            EXPECT_LE(tick.value, high + 1e-9 * span);
            EXPECT_NEAR(tick.pixel, (tick.value - low) * pixels / span, 1e-6 * pixels);
            if (tick.value == 0 && !tick.label.empty()) {
                EXPECT_EQ(tick.label, "0");
            }
            if (tick.label.empty())
                continue;
            const double half = charWidths(tick.label) / 2;
            EXPECT_GE(tick.pixel - half, 0);
            EXPECT_LE(tick.pixel + half, pixels);
            if (previous) {
                EXPECT_GE(tick.pixel - charWidths(tick.label) / 2,
                          previous->pixel + charWidths(previous->label) / 2 + kLabelGap - 1e-9);
            }
            previous = &tick;
        }
        ASSERT_FALSE(axis.ticks.empty());
    }
}

TEST(Ticks, LabelsWorkedByHand) {
    const AxisTicks decimal = placeTicks(-10, 10, 426, false, charWidths);
    // 426 / 20 = 21.3 pixels a unit: 1 is too close, 2 is 42.6 pixels
    EXPECT_EQ(decimal.step, 2);
    std::string labels;
    for (const Tick& t : decimal.ticks)
        labels += t.label + ",";
    // ±10 sit on the edges, where half their labels would be cut off
    EXPECT_EQ(labels, ",-8,-6,-4,-2,0,2,4,6,8,,");

    const AxisTicks pi =
        placeTicks(-2 * std::numbers::pi, 2 * std::numbers::pi, 800, true, charWidths);
    // 63.7 pixels a unit: π/4 is 50 pixels, wide enough for "-3π/4" at 35
    labels.clear();
    for (const Tick& t : pi.ticks)
        labels += t.label + ",";
    EXPECT_EQ(labels, ",-7π/4,-3π/2,-5π/4,-π,-3π/4,-π/2,-π/4,0,π/4,π/2,3π/4,π,5π/4,3π/2,7π/4,,");

    // A view narrower than π/4 falls back to decimals.
    EXPECT_FALSE(placeTicks(0.1, 0.2, 400, true, charWidths).pi);
    EXPECT_EQ(tickLabel(3, 0.1, false), "0.3");
}

} // namespace
} // namespace oltrave::testing
