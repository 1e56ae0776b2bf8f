#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "model/boxreading.h"
#include "model/numtext.h"
#include "recording.h"

namespace oltrave::testing {
namespace {

struct ReadCase {
    const char* text;
    bool exact;
    bool noteworthy;
    double used;
    bool previousKept;
    const char* ignored;
    ExactRefusal refusal;
    const char* exactText; // how Exact Values would read it; "" for none
};

// Every kind of text, in both modes; an overflowing box falls back on 3.
TEST(BoxReading, SaysWhenTheNumberUsedDiffersFromTheText) {
    using R = ExactRefusal;
    const ReadCase cases[] = {
        // Decimal mode.
        {"12", false, false, 12, false, "", R::None, ""},
        {" -2.5e1 ", false, false, -25, false, "", R::None, ""},
        {"&H10", false, false, 16, false, "", R::None, ""},
        {"", false, false, 0, false, "", R::None, ""},
        {"  ", false, false, 0, false, "", R::None, ""},
        {"1/3", false, true, 1, false, "/3", R::None, "1/3"},
        {"3pi/4", false, true, 3, false, "pi/4", R::None, "3π/4"},
        {"2x", false, true, 2, false, "x", R::None, ""},
        {"-1234e", false, true, -1234, false, "e", R::None, ""},
        {"abc", false, true, 0, false, "abc", R::None, ""},
        {"π", false, true, 0, false, "π", R::None, "π"},
        {"-", false, true, 0, false, "-", R::None, ""},
        {"1e400", false, true, 3, true, "", R::None, ""},
        {"sqrt(2)", false, true, 0, false, "sqrt(2)", R::None, "√2"},
        // Exact mode: what the grammar reads is whole, whatever the decimal
        // reading would make of it.
        {"1/3", true, false, 1.0 / 3, false, "/3", R::None, ""},
        {"1+√2", true, false, 2.414213562373095, false, "+√2", R::None, ""},
        {"", true, false, 0, false, "", R::None, ""},
        {"7", true, false, 7, false, "", R::None, ""},
        {"1/0", true, true, 1, false, "/0", R::DivisionByZero, ""},
        {"√-2", true, true, 0, false, "√-2", R::NegativeRoot, ""},
        {"1e30", true, true, 1e30, false, "", R::TooManyDigits, ""},
        {"1e400", true, true, 3, true, "", R::TooManyDigits, ""},
        {"12abc", true, true, 12, false, "abc", R::NotANumber, ""},
        {"&H10", true, true, 16, false, "", R::NotANumber, ""},
    };
    for (const ReadCase& c : cases) {
        const BoxReading reading = readBox(c.text, c.exact, 3.0);
        const std::string where =
            std::string("text \"") + c.text + (c.exact ? "\" exact" : "\" decimal");
        EXPECT_EQ(reading.noteworthy(), c.noteworthy) << where;
        EXPECT_EQ(reading.used, c.used) << where;
        EXPECT_EQ(reading.previousKept, c.previousKept) << where;
        EXPECT_EQ(reading.ignored, c.ignored) << where;
        EXPECT_EQ(reading.refusal, c.refusal) << where;
        EXPECT_EQ(reading.exactText.value_or(""), c.exactText) << where;
    }
}

TEST(BoxReading, AnOverflowWithoutAnEarlierValueReadsZero) {
    const BoxReading reading = readBox("1e400", false, std::nullopt);
    EXPECT_TRUE(reading.noteworthy());
    EXPECT_FALSE(reading.previousKept);
    EXPECT_EQ(reading.used, 0);
}

// The notes follow the form: the previous value is the one the last command
// read, and a note goes as soon as the text reads whole again.
TEST(BoxReading, FollowsTheFormsBoxes) {
    Bench bench;
    Form& form = bench.form;
    form.editBox(0, "3");
    form.editBox(1, "1");
    form.plot();
    EXPECT_TRUE(noteworthyBoxes(form).empty());

    form.editBox(0, "1e400");
    form.editX("1/2");
    form.editZoom("5x");
    std::vector<BoxNote> notes = noteworthyBoxes(form);
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_EQ(notes[0].kind, BoxKind::Coefficient);
    EXPECT_EQ(notes[0].box, 0);
    EXPECT_TRUE(notes[0].reading.previousKept);
    EXPECT_EQ(notes[0].reading.used, 3);
    EXPECT_EQ(notes[1].kind, BoxKind::X);
    EXPECT_EQ(notes[1].reading.used, 1);
    EXPECT_EQ(notes[2].kind, BoxKind::Zoom);
    EXPECT_EQ(notes[2].reading.used, 5);

    // The list uses what the note said.
    form.plot();
    EXPECT_EQ(form.coef()[0], 3);
    EXPECT_EQ(form.zoom(), 5);

    form.editBox(0, "4");
    form.editX("2");
    form.editZoom("5");
    EXPECT_TRUE(noteworthyBoxes(form).empty());

    // Exact mode reads "1/2" whole; the zoom box stays decimal.
    form.editX("1/2");
    form.editZoom("2π");
    form.setExactValues(true);
    notes = noteworthyBoxes(form);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].kind, BoxKind::Zoom);
}

TEST(BoxReading, HiddenBoxesSayNothing) {
    Bench bench;
    Form& form = bench.form;
    form.editBox(2, "abc"); // linear shows two boxes
    EXPECT_TRUE(noteworthyBoxes(form).empty());
}

} // namespace
} // namespace oltrave::testing
