#include "exercises.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <numeric>

namespace oltrave {

namespace {

enum Family { Linear, Quadratic, Cubic, Sine, Cosine, Tangent, Exponential, Logarithmic };

// p/q in lowest terms as a box reads it: "3", "-3/2".
std::string fraction(int p, int q) {
    const int g = std::gcd(p, q);
    if (g > 1) {
        p /= g;
        q /= g;
    }
    if (q < 0) {
        p = -p;
        q = -q;
    }
    std::string text = std::to_string(p);
    if (q != 1)
        text += '/' + std::to_string(q);
    return text;
}

std::string whole(int n) {
    return std::to_string(n);
}

// The grid reaches past every key x and y: the smaller of the two scales that does.
std::string reach(int largest) {
    return largest <= 4 ? "5" : "10";
}

// k x + b, the zero -b/k.
Exercise linear(ExerciseDraw& draw) {
    int k = 0;
    while (k == 0)
        k = draw.between(-3, 3);
    const int b = draw.between(-6, 6);
    return {Linear, AbsMode::Plain, {whole(k), whole(b), "", ""}, reach(std::max(std::abs(b), 6))};
}

// a (x - r) (x - s): zeros r and s, the vertex halfway; or a (x - h)^2 + v
// with no zero at all.
Exercise quadratic(ExerciseDraw& draw) {
    const int a = draw.pick(std::vector<int>{1, -1, 1, -1, 2, -2});
    if (draw.below(4) == 0) {
        const int h = draw.between(-3, 3);
        const int v = a * draw.between(1, 3);
        return {Quadratic,
                AbsMode::Plain,
                {whole(a), whole(-2 * a * h), whole(a * h * h + v), ""},
                "10"};
    }
    const int gap = std::abs(a) == 1 ? 6 : 4; // the vertex stays on the grid
    const int r = draw.between(-4, 4);
    const int s = std::clamp(r + draw.between(0, gap), -5, 5);
    return {Quadratic, AbsMode::Plain, {whole(a), whole(-a * (r + s)), whole(a * r * s), ""}, "10"};
}

// a (x - p + d) (x - p) (x - p - d): zeros p - d, p, p + d, extrema at
// p ± d√3/3; or a (x - r)^2 (x - s), whose extrema are at r and (r + 2s)/3.
Exercise cubic(ExerciseDraw& draw) {
    const int a = draw.pick(std::vector<int>{1, -1});
    if (draw.below(2) == 0) {
        const int p = draw.between(-2, 2);
        const int d = draw.between(1, 2);
        return {Cubic,
                AbsMode::Plain,
                {whole(a), whole(-3 * a * p), whole(a * (3 * p * p - d * d)),
                 whole(a * (d * d * p - p * p * p))},
                "5"};
    }
    const int r = draw.between(-2, 2);
    int s = r;
    while (s == r)
        s = draw.between(-2, 2);
    // (x - r)^2 (x - s) = x^3 - (2r + s) x^2 + (r^2 + 2rs) x - r^2 s
    return {
        Cubic,
        AbsMode::Plain,
        {whole(a), whole(-a * (2 * r + s)), whole(a * (r * r + 2 * r * s)), whole(-a * r * r * s)},
        "5"};
}

// A sin(ωx + φ) + M with φ a standard angle and M/A in {0, ±1/2}: the zeros
// are standard angles again.
Exercise wave(ExerciseDraw& draw, int family) {
    const int amplitude = draw.pick(std::vector<int>{1, 2, 3, -1, -2});
    const std::string omega = draw.pick(std::vector<std::string>{"1", "2", "1/2", "2", "3"});
    const std::string phi = draw.pick(std::vector<std::string>{
        "0", "π/6", "π/4", "π/3", "π/2", "-π/6", "-π/4", "-π/3", "-π/2", "π"});
    const int half = draw.between(-1, 1); // M = half · A / 2
    return {
        family, AbsMode::Plain, {whole(amplitude), omega, phi, fraction(half * amplitude, 2)}, "5"};
}

// A tan(ωx + φ) + M with M/A in {0, ±1}: the zeros are at tan = ∓1.
Exercise tangent(ExerciseDraw& draw) {
    const int amplitude = draw.pick(std::vector<int>{1, 2, -1});
    const std::string omega = draw.pick(std::vector<std::string>{"1", "2", "1/2"});
    const std::string phi = draw.pick(std::vector<std::string>{"0", "π/4", "-π/4", "π/6", "-π/3"});
    const int level = draw.between(-1, 1) * amplitude;
    return {Tangent, AbsMode::Plain, {whole(amplitude), omega, phi, whole(level)}, "5"};
}

// a^x + M with M = 0, above the axis, or -a^(±1) so the zero is ±1.
Exercise exponential(ExerciseDraw& draw) {
    const int base = draw.between(2, 3);
    const bool falling = draw.below(2) == 0;
    const std::string a = falling ? fraction(1, base) : whole(base);
    const std::string m =
        draw.pick(std::vector<std::string>{"0", "1", "-1", whole(-base), whole(-base)});
    return {Exponential, AbsMode::Plain, {a, m, "", ""}, "5"};
}

// log_a(x) + M with M whole: the zero a^(-M) is rational.
Exercise logarithmic(ExerciseDraw& draw) {
    const int base = draw.between(2, 3);
    const bool falling = draw.below(2) == 0;
    const int m = draw.between(-2, 2);
    const bool far = base == 3 && std::abs(m) == 2; // the zero at 9 or 1/9
    return {Logarithmic,
            AbsMode::Plain,
            {falling ? fraction(1, base) : whole(base), whole(m), "", ""},
            far ? "10" : "5"};
}

// f(x) mostly; |f(x)| and f(|x|) now and then where the family has them.
AbsMode chooseMode(ExerciseDraw& draw, int family) {
    const FamilyDescription* description = familyDescription(family);
    if (!description || !description->hasModes)
        return AbsMode::Plain;
    // f(x) twice as often as each other mode.
    return modeAt(draw.pick(std::vector<int>{0, 0, 1, 2}));
}

Exercise one(ExerciseDraw& draw, int family) {
    Exercise exercise;
    switch (family) {
    case Linear: exercise = linear(draw); break;
    case Quadratic: exercise = quadratic(draw); break;
    case Cubic: exercise = cubic(draw); break;
    case Sine:
    case Cosine: exercise = wave(draw, family); break;
    case Tangent: exercise = tangent(draw); break;
    case Exponential: exercise = exponential(draw); break;
    default: exercise = logarithmic(draw); break;
    }
    exercise.mode = chooseMode(draw, family);
    return exercise;
}

} // namespace

std::uint64_t ExerciseDraw::below(std::uint64_t n) {
    // Drop the top values that would favour the small remainders.
    const std::uint64_t top = std::numeric_limits<std::uint64_t>::max();
    const std::uint64_t limit = top - (top % n + 1) % n;
    std::uint64_t value = engine_();
    while (value > limit)
        value = engine_();
    return value % n;
}

int ExerciseDraw::between(int low, int high) {
    return low + static_cast<int>(below(static_cast<std::uint64_t>(high - low) + 1));
}

std::vector<Exercise> drawExercises(const std::vector<int>& families, int count,
                                    std::uint64_t seed) {
    ExerciseDraw draw(seed);
    std::vector<int> order = families;
    for (std::size_t i = order.size(); i > 1; --i)
        std::swap(order[i - 1], order[static_cast<std::size_t>(draw.below(i))]);
    std::vector<Exercise> set;
    for (int i = 0; i < count && !order.empty(); ++i)
        set.push_back(one(draw, order[static_cast<std::size_t>(i) % order.size()]));
    return set;
}

} // namespace oltrave
