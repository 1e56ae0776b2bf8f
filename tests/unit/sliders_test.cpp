// The plot window's sliders and Play, without a window: the values a slider
// steps through, its ranges and their edits, and the frames Play shows.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "exact/exactreader.h"
#include "model/curvesliders.h"
#include "model/parameterslider.h"
#include "model/playback.h"

using namespace oltrave;

namespace {

Real typed(const char* text, bool exact) {
    if (exact) {
        const std::optional<ExactReading> read = readExact(text);
        return {read->nearest, read->value};
    }
    return Real(std::stod(text));
}

using Edit = std::function<bool(ParameterSlider&)>;

struct SliderCase {
    const char* name;
    StepKind kind;
    const char* typed;
    std::vector<Edit> edits; // each must succeed unless refused lists it
    const char* value;
    const char* low;
    const char* high;
    int positions;
};

Edit step(int steps) {
    return [steps](ParameterSlider& s) {
        s.stepBy(steps);
        return true;
    };
}
Edit value(const char* text) {
    return [text](ParameterSlider& s) { return s.enterValue(text); };
}
Edit low(const char* text) {
    return [text](ParameterSlider& s) { return s.enterLow(text); };
}
Edit high(const char* text) {
    return [text](ParameterSlider& s) { return s.enterHigh(text); };
}
Edit stepOf(const char* text) {
    return [text](ParameterSlider& s) { return s.enterStep(text); };
}
Edit refused(Edit edit) {
    return [edit](ParameterSlider& s) { return !edit(s); };
}

class SliderTable : public ::testing::TestWithParam<SliderCase> {};

TEST_P(SliderTable, StepsAndRanges) {
    const SliderCase& c = GetParam();
    ParameterSlider slider =
        ParameterSlider::around(typed(c.typed, c.kind != StepKind::Decimal), c.kind);
    for (std::size_t i = 0; i < c.edits.size(); ++i)
        ASSERT_TRUE(c.edits[i](slider)) << "edit " << i;
    EXPECT_EQ(slider.text(slider.value()), c.value);
    EXPECT_EQ(slider.text(slider.low()), c.low);
    EXPECT_EQ(slider.text(slider.high()), c.high);
    EXPECT_EQ(slider.positions(), c.positions);
}

// Worked by hand: decimal ±5 in tenths, fractions ±5 in quarters, angles ±2π
// in twelfths of π, all around the typed value.
INSTANTIATE_TEST_SUITE_P(
    Sliders, SliderTable,
    ::testing::Values(
        SliderCase{"decimal_default", StepKind::Decimal, "-3", {}, "-3", "-8", "2", 101},
        // Thirty tenths up from -3 is 0, not a rounding error beside it.
        SliderCase{
            "decimal_reaches_zero", StepKind::Decimal, "-0.3", {step(3)}, "0", "-5.3", "4.7", 101},
        SliderCase{"decimal_tenth", StepKind::Decimal, "-3", {step(33)}, "0.3", "-8", "2", 101},
        SliderCase{"page_down", StepKind::Decimal, "1", {step(-10)}, "0", "-4", "6", 101},
        SliderCase{"clamped_high", StepKind::Decimal, "0", {step(1000)}, "5", "-5", "5", 101},
        SliderCase{"clamped_low", StepKind::Decimal, "0", {step(-1000)}, "-5", "-5", "5", 101},
        SliderCase{"fraction_default", StepKind::Fraction, "1", {step(1)}, "5/4", "-4", "6", 41},
        SliderCase{
            "fraction_ten", StepKind::Fraction, "-1/3", {step(10)}, "13/6", "-16/3", "14/3", 41},
        SliderCase{"angle_default", StepKind::Angle, "0", {step(2)}, "π/6", "-2π", "2π", 49},
        SliderCase{"angle_back", StepKind::Angle, "π/2", {step(-3)}, "π/4", "-3π/2", "5π/2", 49},
        // A value typed becomes a position; the next step is from it.
        SliderCase{"typed_fraction",
                   StepKind::Fraction,
                   "0",
                   {value("1/3"), step(1)},
                   "7/12",
                   "-59/12",
                   "29/6",
                   40},
        SliderCase{
            "typed_outside_widens", StepKind::Decimal, "0", {value("12")}, "12", "-5", "12", 171},
        SliderCase{
            "new_step", StepKind::Decimal, "0", {stepOf("0.5"), step(1)}, "0.5", "-5", "5", 21},
        SliderCase{"new_low", StepKind::Decimal, "0", {low("-1")}, "0", "-1", "5", 61},
        SliderCase{"low_above_value", StepKind::Decimal, "0", {low("2")}, "2", "2", "5", 31},
        SliderCase{"new_high", StepKind::Decimal, "0", {high("1"), step(100)}, "1", "-5", "1", 61},
        SliderCase{"exact_low",
                   StepKind::Fraction,
                   "0",
                   {low("-1/2"), step(-100)},
                   "-1/2",
                   "-1/2",
                   "5",
                   23},
        SliderCase{
            "angle_step", StepKind::Angle, "0", {stepOf("π/4"), step(3)}, "3π/4", "-2π", "2π", 17},
        SliderCase{"refusals",
                   StepKind::Decimal,
                   "0",
                   {refused(value("x")), refused(low("5")), refused(low("9")), refused(high("-5")),
                    refused(stepOf("0")), refused(stepOf("-1")), refused(stepOf("1e-9")),
                    refused(value("1e400"))},
                   "0",
                   "-5",
                   "5",
                   101}),
    [](const auto& info) { return std::string(info.param.name); });

struct PlayCase {
    const char* name;
    int positions;
    int start;
    Motion motion;
    std::vector<int> frames; // what next() shows, in turn
};

class PlayTable : public ::testing::TestWithParam<PlayCase> {};

TEST_P(PlayTable, Frames) {
    const PlayCase& c = GetParam();
    Playback play(c.positions, c.start, c.motion);
    std::vector<int> shown;
    for (std::size_t i = 0; i < c.frames.size(); ++i)
        shown.push_back(play.next());
    EXPECT_EQ(shown, c.frames);
}

INSTANTIATE_TEST_SUITE_P(
    Play, PlayTable,
    ::testing::Values(PlayCase{"loop", 4, 2, Motion::Loop, {3, 0, 1, 2, 3, 0}},
                      PlayCase{"bounce", 4, 0, Motion::Bounce, {1, 2, 3, 2, 1, 0, 1}},
                      PlayCase{"bounce_from_end", 4, 3, Motion::Bounce, {2, 1, 0, 1}},
                      PlayCase{"bounce_two", 2, 0, Motion::Bounce, {1, 0, 1, 0}},
                      PlayCase{"one_position", 1, 0, Motion::Bounce, {0, 0}},
                      PlayCase{"start_clamped", 3, 7, Motion::Loop, {0, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Play, StepsFollowTheClockNotTheFrames) {
    Playback play(101, 0, Motion::Loop);
    play.setSpeed(30);
    // 60 frames a second at 30 steps a second: a step every other frame.
    std::vector<int> shown;
    for (int frame = 0; frame < 6; ++frame)
        shown.push_back(play.advance(1.0 / 60));
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 1, 2, 2, 3}));
    // A late frame catches up on the steps it missed.
    EXPECT_EQ(play.advance(0.1), 6);
    // A stalled clock is not made up beyond two sweeps, nor refused.
    play.advance(1e9);
    EXPECT_GE(play.position(), 0);
    EXPECT_LT(play.position(), 101);
    play.setSpeed(0);
    play.setSpeed(-5);
    EXPECT_EQ(play.speed(), 30);
}

TEST(Play, TraceSpreadsOverTheRange) {
    Playback play(101, 0, Motion::Loop);
    for (int i = 0; i < 100; ++i)
        play.next();
    // Every fifth position passed, twenty at most.
    std::vector<int> every5;
    for (int p = 0; p < 100; p += 5)
        every5.push_back(p);
    EXPECT_EQ(play.trace(), every5);
    play.next(); // 100 passed, 0 is the oldest and goes
    play.next(); // 0 passed again: the newest
    ASSERT_EQ(play.trace().size(), 20u);
    EXPECT_EQ(play.trace().front(), 10);
    EXPECT_EQ(play.trace()[18], 100);
    EXPECT_EQ(play.trace().back(), 0);
}

struct CurveCase {
    const char* name;
    DrawnCurve curve;
    bool exact;
    std::vector<std::string> names;
    int box;   // moved by
    int steps; // this many
    std::array<std::string, kBoxCount> texts;
};

class CurveTable : public ::testing::TestWithParam<CurveCase> {};

TEST_P(CurveTable, EntersTheMovedValues) {
    const CurveCase& c = GetParam();
    RealCoefficients coef;
    for (std::size_t i = 0; i < coef.size(); ++i)
        coef[i] = Real(c.curve.coef[i]);
    CurveSliders sliders(c.curve, coef, c.exact);
    std::vector<std::string> names;
    for (int box : sliders.boxes())
        names.push_back(sliders.name(box));
    EXPECT_EQ(names, c.names);
    EXPECT_EQ(sliders.curve(), c.curve);
    sliders.slider(c.box).stepBy(c.steps);
    const CurveEntry entry = sliders.entry();
    EXPECT_EQ(entry.family, c.curve.family);
    EXPECT_EQ(entry.absmode, c.curve.absmode);
    EXPECT_EQ(entry.texts, c.texts);
    DrawnCurve moved = c.curve;
    moved.coef[static_cast<std::size_t>(c.box)] = sliders.slider(c.box).value().value;
    EXPECT_EQ(sliders.curve(), moved);
    EXPECT_EQ(sliders.curveWith(c.box, 0).coef[static_cast<std::size_t>(c.box)],
              sliders.slider(c.box).low().value);
}

// Families by chooser order: 0 linear, 1 quadratic, 3 sine.
INSTANTIATE_TEST_SUITE_P(Curves, CurveTable,
                         ::testing::Values(CurveCase{"quadratic_c",
                                                     {1, AbsMode::OfValue, {1, -2, -3, 0}},
                                                     false,
                                                     {"a", "b", "c"},
                                                     2,
                                                     5,
                                                     {"1", "-2", "-2.5", ""}},
                                           CurveCase{"linear_k",
                                                     {0, AbsMode::OfArgument, {2, 1, 0, 0}},
                                                     false,
                                                     {"k", "b"},
                                                     0,
                                                     -20,
                                                     {"0", "1", "", ""}},
                                           // Exact mode reads 0.5 as 1/2 and steps in quarters.
                                           CurveCase{"exact_quadratic",
                                                     {1, AbsMode::Plain, {0.5, 0, 1, 0}},
                                                     true,
                                                     {"a", "b", "c"},
                                                     0,
                                                     3,
                                                     {"5/4", "0", "1", ""}},
                                           // The phase steps by twelfths of π.
                                           CurveCase{"sine_phase",
                                                     {3, AbsMode::Plain, {1, 1, 0, 0}},
                                                     true,
                                                     {"A", "ω", "φ", "M"},
                                                     2,
                                                     -4,
                                                     {"1", "1", "-π/3", "0"}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
