#include <cmath>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "exact/exactreader.h"
#include "exact/exactwriter.h"
#include "model/numtext.h"

namespace oltrave {
namespace {

// The exact reading of a text, written back; "decimal" when the writer leaves
// it to the decimal text.
std::string readAndWrite(const std::string& text) {
    const std::optional<ExactReading> reading = readExact(text);
    if (!reading)
        return "(refused)";
    return writeExact(reading->value).value_or("decimal");
}

struct ReadCase {
    const char* text;
    const char* written;
};

TEST(ExactReader, ReadsTheGrammarsForms) {
    const ReadCase cases[] = {
        {"2", "2"},
        {"-0.5", "-1/2"},
        {"1e-3", "1/1000"},
        {"1/3", "1/3"},
        {"-2/3", "-2/3"},
        {"π", "π"},
        {"-pi", "-π"},
        {"2π", "2π"},
        {"pi/2", "π/2"},
        {"3π/4", "3π/4"},
        {"-π/6", "-π/6"},
        {"1.5π", "3π/2"},
        {"√2", "√2"},
        {"2√3", "2√3"},
        {"√3/2", "√3/2"},
        {"0.1", "1/10"},
        {".5", "1/2"},
        {"+2", "2"},
        {"1E2", "100"},
        {"2.50e+1", "25"},
        {"2e3π", "2000π"},
        {"6/4", "3/2"},
        {"1.5/4", "3/8"},
        {"2π/4", "π/2"},
        {"4√2/8", "√2/2"},
        {"√8", "2√2"},
        {"√12/4", "√3/2"},
        {"√0", "0"},
        {"√1", "1"},
        {"√49", "7"},
        {"√0002", "√2"},
        {"-0", "0"},
        {"0e9999999999", "0"},
        {"", "0"},
        {"   ", "0"},
        {" \t1/3 \t", "1/3"},
        // Sums and differences, roots by name or in brackets.
        {"sqrt(2)", "√2"},
        {"√(2)", "√2"},
        {"2√(3)", "2√3"},
        {"√(8)/2", "√2"},
        {"-sqrt(3)", "-√3"},
        {"1+√2", "1 + √2"},
        {"2-π/3", "2 - π/3"},
        {"π/2+1", "1 + π/2"},
        {"-1/2+√3", "-1/2 + √3"},
        {"√2-√2", "0"},
        {"1-2+3", "2"},
        {"+3", "3"},
        {"+π-1", "-1 + π"},
        {"1e+2+1", "101"},
        {"1e-1-1", "-9/10"},
        {"√8+√2", "3√2"},
        // Accepted, but beyond what the writer puts in exact form.
        {"1e29", "decimal"},
        {"123456789012345678901234567890", "decimal"},
        {"1e-29", "decimal"},
        {"√123456789012345678901234567891", "decimal"},
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(readAndWrite(c.text), c.written) << "text \"" << c.text << "\"";
}

struct RefusedCase {
    const char* text;
    ExactRefusal why;
};

TEST(ExactReader, SaysWhyATextIsRefused) {
    const RefusedCase cases[] = {
        {"1/0", ExactRefusal::DivisionByZero},
        {"π/0", ExactRefusal::DivisionByZero},
        {"1+2/00", ExactRefusal::DivisionByZero},
        {"√-2", ExactRefusal::NegativeRoot},
        {"√(-2)", ExactRefusal::NegativeRoot},
        {"sqrt(-2)", ExactRefusal::NegativeRoot},
        {"1+√-3", ExactRefusal::NegativeRoot},
        {"1e30", ExactRefusal::TooManyDigits},
        {"1+1e-30", ExactRefusal::TooManyDigits},
        {"1e9999999", ExactRefusal::TooManyDigits},
        {"√1234567890123456789012345678901", ExactRefusal::TooManyDigits},
        {"abc", ExactRefusal::NotANumber},
        {"1/3x", ExactRefusal::NotANumber},
        {"sqrt(2", ExactRefusal::NotANumber},
        {"√(2", ExactRefusal::NotANumber},
        {"sqrt2", ExactRefusal::NotANumber},
        {"1+", ExactRefusal::NotANumber},
        {"1++2", ExactRefusal::NotANumber},
        {"1 + 2", ExactRefusal::NotANumber},
        {"2/π", ExactRefusal::NotANumber},
    };
    for (const RefusedCase& c : cases) {
        const ExactAttempt attempt = attemptExact(c.text);
        EXPECT_FALSE(attempt.reading) << "text \"" << c.text << "\"";
        EXPECT_EQ(attempt.refusal, c.why) << "text \"" << c.text << "\"";
    }
    EXPECT_EQ(attemptExact("1+√2").refusal, ExactRefusal::None);
}

TEST(ExactReader, RefusesWhatTheGrammarDoesNotCoverOrTooManyDigits) {
    const char* const refused[] = {
        "&H10",
        "1d2",
        "12abc",
        "1.",
        "1/0",
        "π2",
        "√",
        "2/",
        "1 2",
        "--1",
        "+-1",
        "Pi",
        "PI",
        "1e",
        "1e+",
        "√2.5",
        "1/3/4",
        "ππ",
        "2/π",
        "π√2",
        "√-2",
        "/2",
        "1/-2",
        "1/2.5",
        "e5",
        "0x10",
        "1,5",
        "2 π",
        "-",
        "π/0",
        // More than 30 digits in lowest terms or in the radicand.
        "1e30",
        "1e-30",
        "1234567890123456789012345678901",
        "1/1234567890123456789012345678901",
        "√1234567890123456789012345678901",
        "1e9999999",
        "1e-9999999",
        "0.0000000000000000000000000000001",
    };
    for (const char* text : refused)
        EXPECT_EQ(readAndWrite(text), "(refused)") << "text \"" << text << "\"";
}

TEST(ExactReader, DigitLimitCountsLowestTerms) {
    // 31 digits typed, 30 in lowest terms.
    EXPECT_EQ(readAndWrite("9999999999999999999999999999990/10"), "decimal");
    EXPECT_EQ(readAndWrite("10/1000000000000000000000000000000"), "decimal");
    EXPECT_EQ(readAndWrite("0000000000000000000000000000000001"), "1");
}

struct NearestCase {
    const char* text;
    double nearest;
};

TEST(ExactReader, GivesTheNearestDouble) {
    const NearestCase cases[] = {
        {"π/3", 1.0471975511965979},
        {"π", 3.141592653589793},
        {"-π/6", -0.5235987755982989},
        {"√2", 1.4142135623730951},
        {"√3/2", 0.8660254037844386},
        {"1/3", 1.0 / 3},
        {"2/3", 2.0 / 3},
        {"0.1", 0.1},
        {"1e-3", 0.001},
        {"123.456", 123.456},
        {"", 0},
        {"1e29", 1e29},
        {"1/10", 0.1},
        {"7/10", 0.7},
        {"-1e-29", -1e-29},
        {"1+√2", 2.414213562373095},
        {"2-π/3", 0.9528024488034023},
        {"sqrt(2)", 1.4142135623730951},
    };
    for (const NearestCase& c : cases) {
        const std::optional<ExactReading> reading = readExact(c.text);
        ASSERT_TRUE(reading) << c.text;
        EXPECT_EQ(reading->nearest, c.nearest) << "text \"" << c.text << "\"";
    }
}

// A plain decimal reads to the very double the decimal reading gives, and a
// quotient to the correctly rounded double of the rational it names.
TEST(ExactReader, PlainDecimalsAndQuotientsMatchTheDecimalReading) {
    unsigned state = 12345;
    const auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return state >> 8;
    };
    for (int i = 0; i < 2000; ++i) {
        const std::string text = std::to_string(static_cast<long>(next() % 2000000) - 1000000) +
                                 "." + std::to_string(next() % 100000) + "e" +
                                 std::to_string(static_cast<int>(next() % 40) - 20);
        const std::optional<ExactReading> reading = readExact(text);
        ASSERT_TRUE(reading) << text;
        EXPECT_EQ(reading->nearest, numval(text).value()) << text;

        const long p = static_cast<long>(next() % 100000) - 50000;
        const long q = static_cast<long>(next() % 99999) + 1;
        const std::string quotient = std::to_string(p) + "/" + std::to_string(q);
        const std::optional<ExactReading> ratio = readExact(quotient);
        ASSERT_TRUE(ratio) << quotient;
        EXPECT_EQ(ratio->nearest, static_cast<double>(p) / static_cast<double>(q)) << quotient;
    }
}

} // namespace
} // namespace oltrave
