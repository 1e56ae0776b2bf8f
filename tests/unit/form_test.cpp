#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/familytable.h"
#include "recording.h"

namespace oltrave::testing {
namespace {

TEST(Form, StartsOnTheLinearFamilyWithZoomTen) {
    Bench bench;
    const Form& form = bench.form;
    EXPECT_EQ(form.family(), 0);
    EXPECT_EQ(form.formulaLabel(), "y = k x + b");
    EXPECT_EQ(form.zoomText(), "10");
    EXPECT_EQ(form.zoom(), 10);
    EXPECT_EQ(modeIndex(form.absmode()), 0);
    EXPECT_TRUE(form.modesEnabled());
    EXPECT_FALSE(form.plotted());
    EXPECT_EQ(form.caption(0), "k =");
    EXPECT_EQ(form.caption(1), "b =");
    EXPECT_FALSE(form.boxVisible(2));
    EXPECT_FALSE(form.boxVisible(3));
    EXPECT_EQ(bench.canvas.scale.x1, -10.0f);
    EXPECT_EQ(bench.canvas.scale.y1, 10.0f);
    EXPECT_EQ(bench.canvas.scale.x2, 10.0f);
    EXPECT_EQ(bench.canvas.scale.y2, -10.0f);
    ASSERT_EQ(bench.canvas.lines.size(), 2u);
    EXPECT_EQ(bench.canvas.lines[0].x1, -10.0f);
    EXPECT_EQ(bench.canvas.lines[0].y1, 0.0f);
    EXPECT_EQ(bench.canvas.lines[1].y2, 10.0f);
}

TEST(Form, FamilyChangeRelabelsAndLocksModes) {
    struct FamilyCase {
        int family;
        const char* formula;
        std::vector<std::string> captions; // "" for a hidden box
        bool modesEnabled;
    };
    const FamilyCase cases[] = {
        {0, "y = k x + b", {"k =", "b =", "", ""}, true},
        {1, "y = a x ^ 2 + b x + c", {"a =", "b =", "c =", ""}, true},
        {2, "y = a x ^ 3 + b x ^ 2 + c x + d", {"a =", "b =", "c =", "d ="}, false},
        {3, "y = A Sin ( ω x + φ ) + M", {"A =", "ω =", "φ =", "M ="}, false},
        {4, "y = A Cos ( ω x + φ ) + M", {"A =", "ω =", "φ =", "M ="}, false},
        {5, "y = A Tan ( ω x + φ ) + M", {"A =", "ω =", "φ =", "M ="}, false},
        {6, "y = a ^ x + M", {"a =", "M =", "", ""}, true},
        {7, "y = log a ( x ) + M", {"a =", "M =", "", ""}, true},
    };
    for (const FamilyCase& c : cases) {
        Bench bench;
        bench.form.clickMode(AbsMode::OfArgument);
        bench.form.editBox(0, "5");
        bench.form.chooseFamily(c.family);
        const Form& form = bench.form;
        EXPECT_EQ(form.formulaLabel(), c.formula);
        EXPECT_EQ(form.modesEnabled(), c.modesEnabled);
        EXPECT_EQ(modeIndex(form.absmode()), c.modesEnabled ? 2 : 0) << "family " << c.family;
        for (int box = 0; box < 4; ++box) {
            const std::string& caption = c.captions[static_cast<std::size_t>(box)];
            EXPECT_EQ(form.boxVisible(box), !caption.empty()) << c.family << " box " << box;
            if (!caption.empty()) {
                EXPECT_EQ(form.caption(box), caption);
            }
            EXPECT_EQ(form.boxText(box), "");
        }
    }
}

TEST(Form, DisabledModeLabelsIgnoreClicks) {
    Bench bench;
    bench.form.chooseFamily(2);
    bench.form.clickMode(AbsMode::OfValue);
    EXPECT_EQ(modeIndex(bench.form.absmode()), 0);
    bench.form.chooseFamily(0);
    EXPECT_EQ(modeIndex(bench.form.absmode()), 0);
    bench.form.clickMode(AbsMode::OfValue);
    EXPECT_EQ(modeIndex(bench.form.absmode()), 1);
}

TEST(Form, ZoomGuardReplacesZeroTexts) {
    struct GuardCase {
        const char* typed;
        const char* kept;
    };
    const GuardCase cases[] = {
        {"", "1"},     {"0", "1"},   {"0.", "1"},  {"abc", "1"}, {"-", "1"},         {".", "1"},
        {"0abc", "1"}, {".5", ".5"}, {"-4", "-4"}, {"2x", "2x"}, {"1e999", "1e999"}, {"20", "20"},
    };
    for (const GuardCase& c : cases) {
        Bench bench;
        bench.form.editZoom(c.typed);
        EXPECT_EQ(bench.form.zoomText(), c.kept) << "typed \"" << c.typed << "\"";
    }
}

TEST(Form, NegativeZoomDrawsMirroredAxesAndNothingElse) {
    Bench bench;
    bench.form.editZoom("-4");
    bench.plot(0, 0, {"2", "-4"});
    EXPECT_TRUE(bench.lines().empty());
    EXPECT_TRUE(bench.canvas.points.empty());
    EXPECT_EQ(bench.form.zoom(), -4);
    EXPECT_EQ(bench.canvas.scale.x1, 4.0f);
    EXPECT_EQ(bench.form.formulaLabel(), "Error : Zoom");
    EXPECT_FALSE(bench.form.plotted());
    // The message gives way at the next plot whose zoom is fine.
    bench.form.editZoom("5");
    EXPECT_EQ(bench.form.formulaLabel(), "y = k x + b");
}

TEST(Form, ZoomErrorGivesWayToNotAFunctionAndToEdits) {
    Bench bench;
    bench.form.editZoom("-4");
    bench.plot(0, 0, {"0", "1"});
    EXPECT_EQ(bench.form.formulaLabel(), "Not a Function");

    bench.form.editBox(0, "1");
    bench.form.plot();
    EXPECT_EQ(bench.form.formulaLabel(), "Error : Zoom");
    bench.form.editBox(0, "2");
    EXPECT_EQ(bench.form.formulaLabel(), "y = k x + b");

    bench.form.plot();
    bench.form.clearAll();
    EXPECT_EQ(bench.form.formulaLabel(), "y = k x + b");

    bench.form.plot();
    bench.form.chooseFamily(1);
    EXPECT_EQ(bench.form.formulaLabel(), "y = a x ^ 2 + b x + c");
}

TEST(Form, ZoomBeyondTheDoubleRangeIsAZoomError) {
    Bench bench;
    bench.form.editZoom("1e999");
    bench.plot(0, 0, {"1", "1"});
    EXPECT_EQ(bench.form.formulaLabel(), "Error : Zoom");
    EXPECT_EQ(bench.form.zoom(), 10); // the failed reading kept it
    EXPECT_TRUE(bench.lines().empty());
}

TEST(Form, StrictAndLenientZoomReadings) {
    Bench bench;
    bench.form.editZoom("2x");
    bench.form.clearAll();
    EXPECT_EQ(bench.form.zoom(), 10);
    bench.plot(0, 0, {"1", "0"});
    EXPECT_EQ(bench.form.zoom(), 2);
    ASSERT_EQ(bench.canvas.points.size(), 20001u);
    EXPECT_EQ(bench.canvas.points.front().x, -2.0f);
    EXPECT_EQ(bench.canvas.scale.x2, 2.0f);
}

TEST(Form, TinyZoomEndsTheLoop) {
    Bench bench;
    bench.form.editZoom("1E-320");
    bench.plot(0, 0, {"1", "0"});
    EXPECT_FALSE(bench.lines().empty());
    EXPECT_LE(bench.canvas.points.size(), 20001u);
}

TEST(Form, HugeZoomDrawsNoPointsBeyondSinglePrecision) {
    Bench bench;
    bench.form.editZoom("1E308");
    bench.plot(0, 0, {"1", "0"});
    EXPECT_TRUE(bench.canvas.points.empty());
    EXPECT_EQ(bench.canvas.lines.size(), 2u); // only the start-up axes: these cannot be drawn
    EXPECT_EQ(bench.lines().size(), 4u);
}

TEST(Form, RepeatedPlotsOverlayWhileReplotStartsAfresh) {
    Bench bench;
    bench.plot(0, 0, {"2", "-4"});
    bench.form.plot();
    EXPECT_EQ(bench.lines().size(), 8u);
    EXPECT_EQ(bench.canvas.points.size(), 40002u);
    EXPECT_EQ(bench.canvas.lines.size(), 6u);

    bench.form.replot();
    EXPECT_EQ(bench.lines().size(), 4u);
    EXPECT_EQ(bench.canvas.points.size(), 20001u);
    EXPECT_EQ(bench.canvas.lines.size(), 4u);
    EXPECT_TRUE(bench.form.plotted());
}

TEST(Form, ClearAllResetsInputsButKeepsFamilyModeAndZoom) {
    Bench bench;
    bench.form.editZoom("5");
    bench.plot(0, 2, {"2", "-4"});
    bench.form.editX("3");
    bench.form.clearAll();
    const Form& form = bench.form;
    EXPECT_FALSE(form.plotted());
    EXPECT_EQ(form.boxText(0), "");
    EXPECT_EQ(form.boxText(1), "");
    EXPECT_EQ(form.xText(), "");
    EXPECT_EQ(form.zoomText(), "5");
    EXPECT_EQ(form.zoom(), 5);
    EXPECT_EQ(modeIndex(form.absmode()), 2);
    EXPECT_EQ(form.family(), 0);
    EXPECT_TRUE(bench.lines().empty());
    EXPECT_TRUE(bench.canvas.points.empty());
    EXPECT_EQ(bench.canvas.lines.size(), 2u);
}

TEST(Form, CoefficientsBeyondTheDoubleRangeKeepTheirValue) {
    Bench bench;
    bench.plot(0, 0, {"2", "1"});
    bench.form.editBox(1, "1e999");
    bench.form.plot();
    EXPECT_EQ(bench.form.coef()[1], 1);
    EXPECT_EQ(bench.lines().back(), "    Range : R");
}

TEST(Form, PeriodicValuesComeFromOmega) {
    Bench bench;
    bench.plot(3, 0, {"1", "2", "1", "0"});
    const PeriodicValues& p = bench.form.periodic();
    EXPECT_EQ(p.period.value, 2 * 3.14159265358979 / 2);
    EXPECT_EQ(p.qperiod.value, 3.14159265358979 / 4);
    EXPECT_EQ(p.shift.value, 0.5);
    EXPECT_EQ(p.hperiod.value, 3.14159265358979 / 2);

    bench.plot(3, 0, {"1", "0", "0", "0"});
    EXPECT_TRUE(std::isinf(bench.form.periodic().period.value));
    EXPECT_TRUE(std::isnan(bench.form.periodic().shift.value));
    EXPECT_EQ(bench.form.formulaLabel(), "Not a Function");
}

TEST(Form, ValidityTailByFamily) {
    struct ValidityCase {
        int family;
        std::vector<std::string> boxes;
        bool valid;
    };
    const ValidityCase cases[] = {
        {1, {"0", "1", "1"}, false}, {2, {"0", "1"}, false},  {3, {"0", "1"}, false},
        {4, {"1", "0"}, false},      {5, {"1", ""}, false},   {6, {"1", "1"}, false},
        {6, {"0", "1"}, false},      {6, {"-2", "1"}, false}, {7, {"1"}, false},
        {7, {"0.5"}, true},          {6, {"0.5"}, true},      {3, {"1", "1"}, true},
    };
    for (const ValidityCase& c : cases) {
        Bench bench;
        bench.plot(c.family, 0, c.boxes);
        EXPECT_EQ(bench.form.formulaLabel() == "Not a Function", !c.valid) << "family " << c.family;
    }
}

TEST(PointEvaluation, AppendsTheValueOfThePlottedLine) {
    struct EvalCase {
        int mode;
        const char* x;
        std::vector<std::string> appended; // empty: nothing
    };
    // clang-format off
    const EvalCase cases[] = {
        {0, "3", {"    [ x = 3 ] y = 2"}},
        {0, "", {"    [ x = 0 ] y = -4"}},
        {0, "abc", {"    [ x = 0 ] y = -4"}},
        {1, "0", {"    [ x = 0 ] y = 4"}},
        {2, "-1", {"    [ x = -1 ] y = -2"}},
        {0, "1e308", {}}, // overflows
    };
    // clang-format on
    for (const EvalCase& c : cases) {
        Bench bench;
        bench.plot(0, c.mode, {"2", "-4"});
        const std::size_t before = bench.lines().size();
        bench.form.editX(c.x);
        bench.form.evaluate();
        const std::vector<std::string> all = bench.lines();
        const std::vector<std::string> appended(all.begin() + static_cast<std::ptrdiff_t>(before),
                                                all.end());
        EXPECT_EQ(appended, c.appended) << "mode " << c.mode << " x " << c.x;
    }
}

std::optional<double> pointValue(int family, int mode, const Coefficients& coef, double x) {
    const FamilyDescription* info = familyDescription(family);
    return info ? valueInMode(*info, modeAt(mode), coef, x) : std::nullopt;
}

TEST(PointEvaluation, ValueTableCoversEveryFamilyAndMode) {
    struct ValueCase {
        int family;
        int mode;
        std::array<double, 4> coef;
        double x;
        std::optional<double> y;
    };
    const ValueCase cases[] = {
        {1, 0, {1, -3, 2, 0}, -2, 12.0},
        {1, 1, {1, -3, 2, 0}, 1.5, 0.25},
        {1, 2, {1, -3, 2, 0}, -2, 0.0},
        {2, 0, {1, -6, 11, -6}, 4, 6.0},
        {2, 2, {1, -6, 11, -6}, -4, -210.0}, // the cubic ignores the mode
        {3, 2, {2, 2, 1, -1}, -0.5, -1.0},   // and so do the periodic families
        {5, 1, {-1, 1, 0, 0}, 1, -std::tan(1.0)},
        {3, 0, {2, 1, 0, 1}, 0, 1.0},
        {4, 0, {2, 1, 0, 1}, 0, 3.0},
        {5, 1, {1, 1, 0, 0}, 0, 0.0},
        // A phase: ω x + φ is exactly 0 at these x, and only there of the four.
        {3, 0, {2, 2, 1, -1}, -0.5, -1.0},
        {4, 0, {3, 1, -2, 1}, 2, 4.0},
        {5, 0, {1, 2, 3, 0.5}, -1.5, 0.5},
        {3, 0, {1, 2, -1, 0}, 0.5, 0.0},
        {6, 0, {2, 3, 0, 0}, 3, 11.0},
        {6, 1, {2, -9, 0, 0}, 2, 5.0},
        {6, 2, {2, 0, 0, 0}, -3, 8.0},
        {6, 0, {-2, 0, 0, 0}, 0.5, std::nullopt}, // negative base, fractional power
        {6, 0, {0, 0, 0, 0}, -1, std::nullopt},   // zero base, negative power
        {6, 0, {10, 0, 0, 0}, 400, std::nullopt}, // overflow
        {7, 0, {10, 2, 0, 0}, -1, std::nullopt},
        {7, 2, {10, 2, 0, 0}, -1, 2.0},
        {7, 0, {10, 0, 0, 0}, 0, std::nullopt},
        {7, 1, {10, -3, 0, 0}, 100, 1.0},
        {7, 0, {1, 0, 0, 0}, 5, std::nullopt},   // log base 1 divides by zero
        {7, 0, {0, 2, 0, 0}, 5, std::nullopt},   // a base of 0 has no logarithm
        {7, 2, {-10, 2, 0, 0}, 5, std::nullopt}, // nor has a negative base
        {0, 3, {1, 0, 0, 0}, 1, std::nullopt},   // unknown mode
        {8, 0, {1, 0, 0, 0}, 1, std::nullopt},   // unknown family
        {-1, 0, {1, 0, 0, 0}, 1, std::nullopt},
    };
    for (const ValueCase& c : cases)
        EXPECT_EQ(pointValue(c.family, c.mode, c.coef, c.x), c.y)
            << "family " << c.family << " mode " << c.mode << " x " << c.x;
}

TEST(PointEvaluation, NeedsACompletedPlot) {
    Bench bench;
    bench.form.editBox(0, "2");
    bench.form.evaluate();
    EXPECT_TRUE(bench.lines().empty());

    bench.plot(0, 0, {"0", "1"}); // "Not a Function"
    bench.form.evaluate();
    EXPECT_TRUE(bench.lines().empty());

    bench.plot(0, 0, {"1", "1"});
    bench.form.chooseFamily(0);
    bench.form.evaluate();
    EXPECT_EQ(bench.lines().size(), 4u);
}

TEST(PointEvaluation, RereadsTheBoxesIncludingAnEmptyBoxThree) {
    Bench bench;
    bench.plot(0, 0, {"1", "0", "0", "5"});
    bench.form.editBox(0, "2");
    bench.form.editBox(3, "");
    bench.form.editX("1");
    bench.form.evaluate();
    EXPECT_EQ(bench.lines().back(), "    [ x = 1 ] y = 2");
    EXPECT_EQ(bench.form.coef()[3], 0); // an empty box reads as 0, as in a plot
}

} // namespace
} // namespace oltrave::testing
