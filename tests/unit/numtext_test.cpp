#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "model/numtext.h"

namespace oltrave {
namespace {

struct TextCase {
    double value;
    const char* text;
};

TEST(Numtext, WritesGeneralFormatWithFifteenDigits) {
    const TextCase cases[] = {
        {0.5, "0.5"},
        {-0.25, "-0.25"},
        {1.5707963267949, "1.5707963267949"},
        {2 * 3.14159265358979, "6.28318530717958"},
        {3.14159265358979 / 2, "1.5707963267949"},
        {1e15, "1E+15"},
        {999999999999999, "999999999999999"},
        {123456789012345678.0, "1.23456789012346E+17"},
        {1e-5, "1E-05"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {-0.0, "0"},
        {0.0, "0"},
        {1, "1"},
        {-1, "-1"},
        {10, "10"},
        {100000, "100000"},
        {-4, "-4"},
        {2.5, "2.5"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {1e300, "1E+300"},
        {-1.5e-300, "-1.5E-300"},
        {1e100, "1E+100"},
        {0.1 + 0.2, "0.3"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(numtext(c.value), c.text) << "value " << c.value;
}

TEST(Numtext, DoesNotFollowTheProcessLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr &&
        std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") == nullptr)
        GTEST_SKIP() << "no locale with a decimal comma installed";
    EXPECT_EQ(numtext(0.5), "0.5");
    EXPECT_EQ(numval("1.5"), 1.5);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

struct ReadCase {
    const char* text;
    std::optional<double> value;
};

TEST(Numval, ReadsTheLongestLeadingNumber) {
    const ReadCase cases[] = {
        {"", 0.0},
        {"2", 2.0},
        {"1 2", 12.0},
        {" -1 . 5 ", -1.5},
        {"\t3\n4", 34.0},
        {"1e3", 1000.0},
        {"1E3", 1000.0},
        {"1d3", 1000.0},
        {"2.5D-1", 0.25},
        {"1e", 1.0},
        {"1e+", 1.0},
        {"&H10", 16.0},
        {"&h1f", 31.0},
        {"&O17", 15.0},
        {"&O18", 1.0}, // 8 is no octal digit: the number ends before it
        {"&o9", 0.0},
        {"&H", 0.0},
        {"&HFFFF", 65535.0},
        {".5", 0.5},
        {"-.5x", -0.5},
        {"+7", 7.0},
        {"abc", 0.0},
        {"-", 0.0},
        {".", 0.0},
        {"0.", 0.0},
        {"2x", 2.0},
        {"1.2.3", 1.2},
        {"--5", 0.0},
        {"1e400", std::nullopt},
        {"-1e400", std::nullopt},
        {"1e-400", 0.0},
        {"4.9e-324", 4.9e-324},
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(numval(c.text), c.value) << "text \"" << c.text << "\"";
}

TEST(Numstrict, AcceptsOnlyAWholeNumber) {
    const ReadCase cases[] = {
        {" 2 ", 2.0},          {"2", 2.0},
        {"-4", -4.0},          {".5", 0.5},
        {"0.", 0.0},           {"1E2", 100.0},
        {"1d2", 100.0},        {"2x", std::nullopt},
        {"", std::nullopt},    {" ", std::nullopt},
        {"abc", std::nullopt}, {"1 2", std::nullopt},
        {"1e", std::nullopt},  {"&H10", std::nullopt},
        {"-", std::nullopt},   {"1e400", std::nullopt},
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(numstrict(c.text), c.value) << "text \"" << c.text << "\"";
}

} // namespace
} // namespace oltrave
