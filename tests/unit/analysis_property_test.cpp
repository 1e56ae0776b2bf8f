#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "actions.h"
#include "analysischecks.h"

namespace oltrave::testing {
namespace {

// Small whole numbers, halves and thirds, with π in the phase: values whose
// analysis has closed forms and values whose has not.
std::string randomText(RandomChoices& source, bool phase) {
    static const char* const kTexts[] = {"1",  "-1",  "2",   "-2",  "3",    "-3",  "0.5",
                                         "-4", "1/3", "5",   "-6",  "0.25", "7",   "-0.3",
                                         "11", "1/2", "-12", "2.5", "-1/4", "0.1", "0"};
    static const char* const kPhases[] = {"0", "π/2", "π", "-π/3", "π/4", "1", "-2.5"};
    return phase ? kPhases[source.pick(std::size(kPhases))]
                 : kTexts[source.pick(std::size(kTexts))];
}

TEST(AnalysisProperty, RandomFunctionsKeepEveryPromise) {
    RandomChoices source(0xa11a);
    int analysed = 0;
    for (int i = 0; i < 1500; ++i) {
        const int familyIndex = static_cast<int>(source.pick(familyCount()));
        const FamilyDescription& family = *familyDescription(familyIndex);
        const int mode = static_cast<int>(source.pick(3));
        const bool exact = source.pick(2) == 0;
        std::vector<std::string> texts;
        for (int box = 0; box < kBoxCount; ++box)
            texts.push_back(randomText(source, box == 2 && !family.hasModes));
        const RealCoefficients coef = readCoefficients(texts, exact);
        const std::optional<Analysis> an = analyse(family, modeAt(mode), coef);
        if (!an)
            continue;
        ++analysed;
        const int m = family.hasModes ? mode : 0;
        EXPECT_EQ(analysisFault(family, m, coef, *an), "")
            << family.name << " mode " << m << (exact ? " exact" : " decimal") << " " << texts[0]
            << " " << texts[1] << " " << texts[2] << " " << texts[3];
    }
    EXPECT_GT(analysed, 1000);
}

} // namespace
} // namespace oltrave::testing
