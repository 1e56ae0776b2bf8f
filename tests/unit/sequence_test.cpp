#include <cstdint>
#include <deque>
#include <string>

#include <gtest/gtest.h>

#include "actions.h"

namespace oltrave::testing {
namespace {

constexpr int kActionsPerSeed = 12500;

// Long seeded runs of what a user can do, checking the form's invariants after
// every action. Eight seeds, 100 000 actions in all.
class RandomSequence : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(RandomSequence, KeepsTheFormsInvariants) {
    RandomChoices source(GetParam());
    Watch watch;
    std::deque<std::string> recent;
    for (int step = 0; step < kActionsPerSeed; ++step) {
        const Action action = nextAction(source, watch.form);
        recent.push_back(describe(action));
        if (recent.size() > 12)
            recent.pop_front();
        const std::string fault = watch.run(action);
        if (!fault.empty()) {
            std::string history;
            for (const std::string& line : recent)
                history += "\n  " + line;
            FAIL() << "seed " << GetParam() << ", action " << step << ": " << fault
                   << "\nlast actions:" << history;
        }
    }
    // The sequence must have reached the outcomes worth checking.
    const Watch::Tally& tally = watch.tally;
    EXPECT_GT(tally.curves, 0);
    EXPECT_GT(tally.notAFunction, 0);
    EXPECT_GT(tally.zoomErrors, 0);
    EXPECT_GT(tally.values, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSequence, ::testing::Range<std::uint64_t>(1, 9));

} // namespace
} // namespace oltrave::testing
