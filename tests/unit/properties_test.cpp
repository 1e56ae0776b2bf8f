#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "actions.h"
#include "model/plotcontext.h"
#include "numberchecks.h"

namespace oltrave::testing {
namespace {

double fromBits(std::uint64_t bits) {
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

TEST(NumtextProperty, ReadsBackRoundedAndKeepsItsForm) {
    // Where the form changes: exponent thresholds, rounding carries, the range ends.
    std::vector<double> values{
        0.0,
        -0.0,
        DBL_MIN,
        -DBL_MIN,
        DBL_TRUE_MIN,
        DBL_MAX,
        -DBL_MAX,
        1e15,
        1e15 - 1,
        999999999999999.5,
        9.999999999999995e14,
        1e-4,
        1e-5,
        0.00009999999999999995,
        0.5,
        1.0 / 3,
        2 * kPi,
        1e-300,
        1e308,
        123456789012345678.0,
    };
    for (int exponent = -330; exponent <= 310; ++exponent) {
        const double power = std::pow(10.0, exponent);
        for (const double near : {power, std::nextafter(power, 0.0), std::nextafter(power, DBL_MAX),
                                  9.999999999999999 * power, 5 * power})
            values.push_back(near);
    }
    RandomChoices source(2024);
    for (int i = 0; i < 150000; ++i) {
        const double x = fromBits((static_cast<std::uint64_t>(source.pick(1ULL << 32)) << 32) |
                                  source.pick(1ULL << 32));
        if (std::isfinite(x))
            values.push_back(x);
    }
    int faults = 0;
    for (const double x : values) {
        for (const double v : {x, -x}) {
            const std::string fault = numtextFault(v);
            if (!fault.empty() && ++faults <= 10)
                ADD_FAILURE() << fault;
        }
    }
    EXPECT_EQ(faults, 0);
}

// Random texts over the characters the readers care about, and over raw bytes.
TEST(ReaderProperty, LenientAndStrictReadingsAgree) {
    static constexpr std::string_view kAlphabet = "0123456789.+-eEdD &HhOoFf\t\nx";
    RandomChoices source(7);
    int faults = 0;
    for (int i = 0; i < 200000; ++i) {
        std::string text;
        const bool bytes = i % 4 == 0;
        for (std::size_t n = source.pick(14); n > 0; --n)
            text += bytes ? static_cast<char>(source.pick(256))
                          : kAlphabet[source.pick(kAlphabet.size())];
        for (const std::string& fault : {numvalFault(text), numstrictFault(text)}) {
            if (!fault.empty() && ++faults <= 10)
                ADD_FAILURE() << fault;
        }
    }
    EXPECT_EQ(faults, 0);
}

// Every zoom text the five-character zoom box can hold in the spellings that
// reach the extremes: exponents of every size and sign, hexadecimal, octal.
std::vector<std::string> zoomTexts() {
    std::vector<std::string> texts{".0001", "99999", "1",    "10",    "2x",    " 5",    "-1E30",
                                   "&HFFF", "&O777", "&HFF", "1E308", "9E307", "1E309", ".5E-9"};
    for (const char* mantissa : {"1", "9", ".5", "-1"}) {
        for (const char* marker : {"E", "d"}) {
            for (const char* sign : {"", "-", "+"}) {
                for (int exponent = 0; exponent <= 999; ++exponent) {
                    const std::string text =
                        std::string(mantissa) + marker + sign + std::to_string(exponent);
                    if (text.size() <= kZoomLimit)
                        texts.push_back(text);
                }
            }
        }
    }
    return texts;
}

TEST(SamplingProperty, EveryZoomTheBoxCanHoldTakesAboutTwentyThousandSamples) {
    ProbeCanvas canvas;
    Session session;
    const std::array<double, 4> coef{1, 1, 1, 1};
    const PeriodicValues periodic;
    for (const std::string& text : zoomTexts()) {
        const std::optional<double> zoom = numval(text);
        if (!(zoom && *zoom > 0))
            continue; // refused before any sampling
        PlotContext context(coef, *zoom, AbsMode::Plain, periodic, canvas, &session);
        long samples = 0;
        context.sample([&](double x) {
            ++samples;
            return x;
        });
        EXPECT_GE(samples, 20000) << "zoom " << text;
        EXPECT_LE(samples, kMostPointsPerPlot) << "zoom " << text;
    }
    EXPECT_TRUE(canvas.fault.empty()) << canvas.fault;
}

// Each family in each of its modes over zooms from the smallest to the largest
// the box can hold: the command ends, draws at most one curve's points and
// leaves the form consistent.
TEST(SamplingProperty, EveryFamilyPlotsBoundedOverTheZoomRange) {
    const std::vector<std::string> zooms{
        "1E-99", "9E-99", ".5E-9", "1E-9",  ".0001", "1",     "3",     "10",
        "99999", "1D5",   "1E30",  "3E38",  "4E38",  "9E307", "1E308", "1E309",
        "-1E30", "-5",    "&HFFF", "&O777", "2x",    "5e+37",
    };
    const std::array<std::array<const char*, 4>, 3> coefficientSets{{
        {"2", "-3", "0.5", "4"},
        {"0.5", "1E3", "-2", "-1"},
        {"-1E-7", "7", "1E5", "0"},
    }};
    for (int family = 0; family < familyCount(); ++family) {
        for (int mode = 0; mode < Form::kModeCount; ++mode) {
            Watch watch;
            const auto run = [&](Action action) {
                const std::string fault = watch.run(action);
                EXPECT_TRUE(fault.empty())
                    << "family " << family << " mode " << mode << ", " << describe(action)
                    << ", zoom " << watch.form.zoomText() << ": " << fault;
            };
            run({Command::ChooseFamily, family, {}});
            run({Command::ClickMode, mode, {}});
            if (modeIndex(watch.form.absmode()) != mode)
                continue; // a family without modes
            for (std::size_t z = 0; z < zooms.size(); ++z) {
                const auto& coefficients = coefficientSets[z % coefficientSets.size()];
                for (int box = 0; box < kBoxCount && watch.form.boxVisible(box); ++box)
                    run({Command::EditBox, box, coefficients[static_cast<std::size_t>(box)]});
                run({Command::EditZoom, 0, zooms[z]});
                run({z % 2 ? Command::Plot : Command::Replot, 0, {}});
                run({Command::EditX, 0, "1.5"});
                run({Command::Evaluate, 0, {}});
            }
        }
    }
}

// Texts no number reader expects, uncut, in every box of every family.
TEST(TextProperty, AnyTextInAnyBoxIsAccepted) {
    const std::string longDigits(100000, '9');
    const std::string longJunk = [] {
        std::string text;
        for (int i = 0; i < 5000; ++i)
            text += "😀函数\x01\x7f é";
        return text;
    }();
    const std::vector<std::string> texts{
        "",
        std::string("\0\0\0", 3),
        "\x01\x02\x1b[31m",
        "\r\n\t\v\f",
        "ωφ∞",
        "函数计算器",
        "😀😀😀",
        "\xff\xfe\xc3",
        "1e99999999999999999999",
        "-1e-99999999999999999999",
        "&H" + std::string(300, 'F'),
        "&O" + std::string(300, '7'),
        std::string(5000, '.') + "5",
        "0." + std::string(400, '0') + "1",
        longDigits,
        "-" + longDigits,
        longJunk,
    };
    for (int family = 0; family < familyCount(); ++family) {
        Watch watch;
        const auto run = [&](Action action) {
            const std::string fault = watch.run(action);
            EXPECT_TRUE(fault.empty())
                << "family " << family << ", " << describe(action).substr(0, 80) << ": " << fault;
        };
        run({Command::ChooseFamily, family, {}});
        for (const std::string& text : texts) {
            for (int box = 0; box < kBoxCount && watch.form.boxVisible(box); ++box)
                run({Command::EditBox, box, text});
            run({Command::EditX, 0, text});
            run({Command::EditZoom, 0, cutTo(text, kZoomLimit)});
            run({Command::Plot, 0, {}});
            run({Command::Evaluate, 0, {}});
        }
        run({Command::ClearAll, 0, {}});
    }
}

} // namespace
} // namespace oltrave::testing
