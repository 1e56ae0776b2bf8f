#include <algorithm>
#include <cmath>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "actions.h"
#include "exactchecks.h"
#include "model/numtext.h"
#include "recording.h"

namespace oltrave::testing {
namespace {

// The session's lines and, for each, the decimal line it carries in exact
// mode (the line itself when it carries none).
struct ExactRecordingList {
    const Session& session;

    std::vector<std::string> lines() const { return lineTexts(session); }
    std::vector<std::string> decimals() const {
        std::vector<std::string> texts;
        for (const SessionLine& line : session.lines())
            texts.push_back(line.decimalText.empty() ? line.text : line.decimalText);
        return texts;
    }
    long exactAppends() const { return count(true); }
    long plainAppends() const { return count(false); }

private:
    long count(bool exact) const {
        return std::count_if(
            session.lines().begin(), session.lines().end(),
            [exact](const SessionLine& line) { return line.decimalText.empty() != exact; });
    }
};

struct ExactBench {
    RecordingCanvas canvas;
    Session session;
    ExactRecordingList list{session};
    Form form{canvas, session};

    explicit ExactBench(bool exact) {
        form.start();
        form.setExactValues(exact);
    }

    void run(int family, int mode, const std::vector<std::string>& boxes, const std::string& x) {
        form.chooseFamily(family);
        form.clickMode(modeAt(mode));
        for (std::size_t i = 0; i < boxes.size(); ++i)
            form.editBox(static_cast<int>(i), boxes[i]);
        form.plot();
        form.editX(x);
        form.evaluate();
    }
};

std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> out;
    std::string word;
    for (const char c : line) {
        if (c == ' ') {
            out.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    out.push_back(word);
    return out;
}

bool isNumberWord(const std::string& word) {
    return !word.empty() && word.find_first_not_of("0123456789.E+-") == std::string::npos &&
           word.find_first_of("0123456789") != std::string::npos && numstrict(word).has_value();
}

// The double of a written number: an exact sum, or a decimal text.
std::optional<double> writtenValue(const std::string& text) {
    if (const std::optional<double> decimal = numstrict(text))
        return decimal;
    ExactValue sum = ExactValue::integer(0);
    for (const std::string& term : signedTerms(text)) {
        const std::optional<ExactReading> reading = readExact(term);
        if (!reading)
            return std::nullopt;
        sum = sum + reading->value;
    }
    return sum.toDouble();
}

// Near enough for numbers of coefficients of a few units: 1e-12 relative, or
// 1e-12 absolute where a difference cancelled to about nothing.
bool agrees(double exact, double decimal) {
    const double gap = std::fabs(exact - decimal);
    return gap <= 1e-12 * std::max(std::fabs(exact), std::fabs(decimal)) || gap <= 1e-12;
}

// Walks an exact-mode line along the decimal line's words: every word that is
// not a number must come back as it is; each number may take several words of
// the exact line (" + " and " - " join the terms of one value), and the value
// they write must agree with the decimal number.
std::string compareLine(const std::string& exactLine, const std::string& decimalLine) {
    const std::vector<std::string> want = words(decimalLine);
    const std::vector<std::string> have = words(exactLine);
    std::size_t at = 0;
    for (std::size_t w = 0; w < want.size(); ++w) {
        if (at >= have.size())
            return "exact line ends early";
        if (!isNumberWord(want[w])) {
            if (have[at] != want[w])
                return "word \"" + have[at] + "\" where \"" + want[w] + "\" belongs";
            ++at;
            continue;
        }
        const double decimal = *numstrict(want[w]);
        // The shortest run of terms whose value agrees with the decimal number.
        std::string text = have[at++];
        while (true) {
            const std::optional<double> value = writtenValue(text);
            if (value && agrees(*value, decimal))
                break;
            if (at + 1 >= have.size() || (have[at] != "+" && have[at] != "-"))
                return "number \"" + text + "\" does not agree with " + want[w];
            text += " " + have[at] + " " + have[at + 1];
            at += 2;
        }
        if (isNumberWord(text) && text != want[w])
            return "decimal text \"" + text + "\" where " + want[w] + " belongs";
    }
    return at == have.size() ? "" : "exact line goes on";
}

// Plain decimal texts read the same in both modes.
const char* const kPlainNumbers[] = {"0",    "1",   "-1",   "2",     "-2",   "3",    "0.5",
                                     "-0.5", "0.1", "-0.3", "1.5",   "-2.5", "0.25", "4",
                                     "-4",   "10",  "1.2",  "-0.75", "6",    "0.2"};
const char* const kBases[] = {"0.5", "2", "3", "0.1", "1.5", "4", "10", "0.25"};

TEST(ExactLinesProperty, SameLinesAsDecimalModeWithOnlyTheNumbersRewritten) {
    RandomChoices source(0xe8ac7);
    int rewritten = 0;
    for (int i = 0; i < 400; ++i) {
        const int family = static_cast<int>(source.pick(8));
        const int mode = static_cast<int>(source.pick(3));
        std::vector<std::string> boxes;
        for (int box = 0; box < 4; ++box)
            boxes.push_back(kPlainNumbers[source.pick(std::size(kPlainNumbers))]);
        if (family >= 6)
            boxes[0] = kBases[source.pick(std::size(kBases))];
        const std::string x = kPlainNumbers[source.pick(std::size(kPlainNumbers))];

        ExactBench decimal(false);
        ExactBench exact(true);
        decimal.run(family, mode, boxes, x);
        exact.run(family, mode, boxes, x);
        const std::string what = "family " + std::to_string(family) + " mode " +
                                 std::to_string(mode) + " boxes " + boxes[0] + " " + boxes[1] +
                                 " " + boxes[2] + " " + boxes[3] + " x " + x;

        const std::vector<std::string> exactLines = exact.list.lines();
        const std::vector<std::string> decimalLines = decimal.list.lines();
        EXPECT_EQ(decimal.list.exactAppends(), 0) << what;
        EXPECT_EQ(exact.list.plainAppends(), 0) << what;
        // The decimal line behind each exact line is the decimal mode's line.
        EXPECT_EQ(exact.list.decimals(), decimalLines) << what;
        ASSERT_EQ(exactLines.size(), decimalLines.size()) << what;
        for (std::size_t l = 0; l < exactLines.size(); ++l) {
            EXPECT_EQ(compareLine(exactLines[l], decimalLines[l]), "")
                << what << "\n  exact:   " << exactLines[l] << "\n  decimal: " << decimalLines[l];
            rewritten += exactLines[l] != decimalLines[l];
        }
        // The curve and the form's state do not depend on the mode.
        EXPECT_EQ(exact.canvas.points.size(), decimal.canvas.points.size()) << what;
        EXPECT_EQ(exact.form.formulaLabel(), decimal.form.formulaLabel()) << what;
        EXPECT_EQ(exact.form.plotted(), decimal.form.plotted()) << what;
    }
    EXPECT_GT(rewritten, 400); // the exact forms did appear
}

} // namespace
} // namespace oltrave::testing

namespace oltrave::testing {
namespace {

// A box may hold a sum; where it multiplies x or follows a minus sign it is
// written in brackets, so the formula still says what was typed.
TEST(ExactLines, SumsAreBracketedWhereTheyMultiplyOrFollowAMinus) {
    struct Case {
        int family;
        std::vector<std::string> boxes;
        const char* formula;
    };
    const Case cases[] = {
        {0, {"1+√2", "1-√2"}, "y = ( 1 + √2 ) x - ( -1 + √2 )"},
        {0, {"2", "π/2+1"}, "y = 2 x + ( 1 + π/2 )"},
        {0, {"√2", "-1"}, "y = √2 x - 1"},
        {1, {"1", "1+√3", "0"}, "y = 1 x ^ 2 + ( 1 + √3 ) x "},
        {3, {"1+√2", "2", "1", "-1"}, "y = ( 1 + √2 ) sin( 2 x + 1 ) - 1"},
    };
    for (const Case& c : cases) {
        ExactBench bench(true);
        bench.run(c.family, 0, c.boxes, "0");
        ASSERT_FALSE(bench.list.lines().empty()) << c.formula;
        EXPECT_EQ(bench.list.lines().front(), c.formula);
    }
}

} // namespace
} // namespace oltrave::testing
