#include <string>

#include <gtest/gtest.h>

#include "actions.h"
#include "exactchecks.h"

namespace oltrave::testing {
namespace {

TEST(ExactProperty, RandomValuesReadBackFromWhatIsWritten) {
    RandomChoices source(0x5eed);
    int written = 0;
    for (int i = 0; i < 3000; ++i) {
        const ExactValue value = randomExact(source, 4);
        EXPECT_EQ(exactWriteFault(value), "");
        written += writeExact(value).has_value();
    }
    // Most such values keep the shape; a writer that gave up would pass the above.
    EXPECT_GT(written, 1500);
}

// Texts put together from the grammar's pieces and from near misses.
TEST(ExactProperty, RandomTextsReadToValuesThatKeepTheirPromises) {
    const char* const pieces[] = {"1", "0",  "25", ".", "e", "E", "-",  "+",   "/",
                                  "π", "pi", "√",  "7", " ", "3", "00", "e-2", "√2"};
    RandomChoices source(0xc0ffee);
    int accepted = 0;
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        const std::size_t count = source.pick(6) + 1;
        for (std::size_t p = 0; p < count; ++p)
            text += pieces[source.pick(std::size(pieces))];
        EXPECT_EQ(exactReadFault(text), "");
        accepted += readExact(text).has_value();
    }
    EXPECT_GT(accepted, 1000);
}

} // namespace
} // namespace oltrave::testing
