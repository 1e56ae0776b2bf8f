#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <set>

#include "analysis/exercises.h"

namespace oltrave {
namespace {

// The engine's output is fixed by the standard: the 10000th value from the
// default seed. A library that differed would change every set.
TEST(ExerciseDraw, TheEngineIsTheStandardOne) {
    std::mt19937_64 engine;
    engine.discard(9999);
    EXPECT_EQ(engine(), 9981545732273789042ULL);
}

// Every value in range, each about as often as the others, small and odd sizes alike.
TEST(ExerciseDraw, BelowIsEvenAndInRange) {
    for (const std::uint64_t n : {1ULL, 2ULL, 3ULL, 7ULL, 10ULL}) {
        ExerciseDraw draw(n);
        std::array<int, 10> counts{};
        const int draws = 20000;
        for (int i = 0; i < draws; ++i) {
            const std::uint64_t v = draw.below(n);
            ASSERT_LT(v, n);
            ++counts[static_cast<std::size_t>(v)];
        }
        for (std::uint64_t v = 0; v < n; ++v)
            EXPECT_NEAR(counts[static_cast<std::size_t>(v)], draws / static_cast<double>(n),
                        draws * 0.03)
                << n;
    }
    ExerciseDraw draw(5);
    std::set<int> seen;
    for (int i = 0; i < 500; ++i)
        seen.insert(draw.between(-2, 2));
    EXPECT_EQ(seen, (std::set<int>{-2, -1, 0, 1, 2}));
}

TEST(Exercises, ASeedGivesOneSetAndTheFamiliesTakeTurns) {
    const std::vector<int> all{0, 1, 2, 3, 4, 5, 6, 7};
    const std::vector<Exercise> a = drawExercises(all, 16, 99);
    const std::vector<Exercise> b = drawExercises(all, 16, 99);
    ASSERT_EQ(a.size(), 16U);
    std::multiset<int> families;
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].family, b[i].family);
        EXPECT_EQ(a[i].boxes, b[i].boxes);
        EXPECT_EQ(a[i].mode, b[i].mode);
        families.insert(a[i].family);
    }
    for (const int family : all)
        EXPECT_EQ(families.count(family), 2U) << family;
    const std::vector<Exercise> other = drawExercises(all, 16, 100);
    EXPECT_FALSE(std::equal(a.begin(), a.end(), other.begin(),
                            [](const auto& x, const auto& y) { return x.boxes == y.boxes; }));
    for (const Exercise& e : drawExercises({3}, 5, 1))
        EXPECT_EQ(e.family, 3);
}

} // namespace
} // namespace oltrave
