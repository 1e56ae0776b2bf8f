#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "model/familytable.h"

namespace oltrave {

// One exercise of a practice set: a function as a student would type it into
// the boxes (exact texts: 1/2, π/3), its mode, and the reach of its grid.
struct Exercise {
    int family = 0;
    AbsMode mode = AbsMode::Plain;
    std::array<std::string, kBoxCount> boxes; // the boxes the family shows, in order
    std::string zoom;                         // each axis from -zoom to zoom
};

// The same numbers from the same seed on every machine: the engine's output is
// fixed by the C++ standard, and the mapping to a range is our own (the
// standard's distributions differ between libraries).
class ExerciseDraw {
public:
    explicit ExerciseDraw(std::uint64_t seed) : engine_(seed) {}

    // A whole number from 0 to n - 1, every one equally likely; n > 0.
    std::uint64_t below(std::uint64_t n);
    // A whole number from low to high, both included.
    int between(int low, int high);

    template <typename T> const T& pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(below(items.size()))];
    }

private:
    std::mt19937_64 engine_;
};

// count exercises from the families (numbers in chooser order), taken in turn
// in an order the seed shuffles; coefficients chosen so that every answer of
// the analysis has a closed form (whole, rational, roots, multiples of π).
std::vector<Exercise> drawExercises(const std::vector<int>& families, int count,
                                    std::uint64_t seed);

} // namespace oltrave
