#include <functional>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "exact/exactvalue.h"
#include "exact/exactwriter.h"

namespace oltrave {
namespace {

ExactValue n(long value) {
    return ExactValue::integer(value);
}
ExactValue q(long p, long d) {
    return ExactValue::rational(p, d);
}
ExactValue root(long value) {
    return n(value).sqrt();
}
const ExactValue pi = ExactValue::pi();

struct WriteCase {
    const char* what;
    ExactValue value;
    const char* written; // "" when the decimal text is to be used
};

TEST(ExactWriter, WritesEachShapeInItsOrder) {
    const WriteCase cases[] = {
        {"zero", n(0), "0"},
        {"negated zero", -n(0), "0"},
        {"integer", n(-3), "-3"},
        {"fraction", q(6, -4), "-3/2"},
        {"pi", pi, "π"},
        {"two pi", n(2) * pi, "2π"},
        {"pi halves", pi / n(2), "π/2"},
        {"minus pi", -pi, "-π"},
        {"three pi quarters", n(3) * pi / n(4), "3π/4"},
        {"root", root(2), "√2"},
        {"root with factor", n(2) * root(3), "2√3"},
        {"root over its radicand", n(1) / root(3), "√3/3"},
        {"root with fraction", n(3) * root(5) / n(2), "3√5/2"},
        {"sine example axis", q(-1, 2) + pi / n(4), "-1/2 + π/4"},
        {"pi term after rational", pi / n(4) - q(1, 2), "-1/2 + π/4"},
        {"roots after rational", q(1, 2) - root(5) / n(2), "1/2 - √5/2"},
        {"roots by radicand", root(6) / n(4) - root(2) / n(4), "-√2/4 + √6/4"},
        {"every kind", pi - root(3) + root(2) * n(2) - n(7), "-7 + 2√2 - √3 + π"},
        {"quadratic zero", n(1) - root(2), "1 - √2"},
        {"square factor out", root(8), "2√2"},
        {"product of roots", root(2) * root(3), "√6"},
        {"square of a root", root(2) * root(2), "2"},
        {"roots that cancel", root(2) * root(3) - root(6), "0"},
        {"rationalised quotient", n(1) / (n(1) + root(2)), "-1 + √2"},
        {"pi cancels", n(2) * pi / (pi / n(2)), "4"},
        {"root of a fraction", q(3, 4).sqrt(), "√3/2"},
        {"root of a square fraction", q(9, 4).sqrt(), "3/2"},
        {"sine of pi over twelve", (pi / n(12)).sin(), "-√2/4 + √6/4"},
        {"cosine of five pi sixths", (n(5) * pi / n(6)).cos(), "-√3/2"},
        {"tangent of pi thirds", (pi / n(3)).tan(), "√3"},
        {"sine of a multiple of pi", (n(7) * pi).sin(), "0"},
        {"integer power", q(2, 3).pow(n(-3)), "27/8"},
        {"square root power", n(4).pow(q(1, 2)), "2"},
        {"half power", n(2).pow(q(1, 2)), "√2"},
        {"fifteen digits", n(999999999999999), "999999999999999"},
        {"fifteen digit denominator", q(1, 999999999999999), "1/999999999999999"},
        {"fifteen digit coefficient", n(999999999999999) * pi, "999999999999999π"},
        // Other shapes, and too many digits: the decimal text is written.
        {"sixteen digits", n(1000000000000000), ""},
        {"sixteen digit denominator", q(1, 1000000000000000), ""},
        {"sixteen digits in a root term", n(1000000000000000) * root(2), ""},
        {"sine of one", n(1).sin(), ""},
        {"logarithm", n(2).log(), ""},
        {"pi squared", pi * pi, ""},
        {"pi times a root", pi * root(2), ""},
        {"cube root", n(2).pow(q(1, 3)), ""},
        {"root of a sum", (n(1) + root(2)).sqrt(), ""},
        {"over pi", n(1) / pi, ""},
        {"over a sum of two roots", n(1) / (root(2) + root(3)), ""},
        {"none", ExactValue(), ""},
        {"division by zero", n(1) / n(0), ""},
        {"pole of the tangent", (pi / n(2)).tan(), ""},
        {"logarithm of zero", n(0).log(), ""},
        {"zero to a negative power", n(0).pow(n(-1)), ""},
        {"zero to the power zero", n(0).pow(n(0)), "1"},
        {"zero squared", n(0).pow(n(2)), "0"},
        {"power beyond the bound", n(2).pow(n(100000)), ""},
        {"huge exponent", n(3).pow(n(1000000000)), ""},
        // Multiplied out, the quotient would be 2: the bound, not the writer, stops it.
        {"quotient of powers beyond the bound", n(2).pow(n(1000)) / n(2).pow(n(999)), ""},
        {"quotient of powers within it", n(2).pow(n(100)) / n(2).pow(n(99)), "2"},
    };
    for (const WriteCase& c : cases)
        EXPECT_EQ(writeExact(c.value).value_or(""), c.written) << c.what;
}

// The decimal a value gives is the double nearest it, rounded once from enough
// digits; the expected figures are the exact values rounded to a double.
TEST(ExactValue, ToDoubleIsTheNearestDouble) {
    struct Case {
        const char* what;
        ExactValue value;
        double nearest;
    };
    const Case cases[] = {
        {"145π", n(145) * pi, 455.53093477052},
        {"π/3", pi / n(3), 1.0471975511965979},
        {"7π/4", n(7) * pi / n(4), 5.497787143782138},
        {"√2", root(2), 1.4142135623730951},
        {"2 + 3√5", n(2) + n(3) * root(5), 8.70820393249937},
        {"1000003π", n(1000003) * pi, 3141602.078367754},
        {"1/3", q(1, 3), 1.0 / 3.0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.value.toDouble(), c.nearest) << c.what;
}

TEST(ExactWriter, NoneSpreadsThroughEveryOperation) {
    const ExactValue none;
    const ExactValue one = n(1);
    const std::function<ExactValue()> steps[] = {
        [&] { return none + one; },    [&] { return one - none; },    [&] { return none * one; },
        [&] { return one / none; },    [&] { return -none; },         [&] { return none.sqrt(); },
        [&] { return none.pow(one); }, [&] { return one.pow(none); }, [&] { return none.sin(); },
        [&] { return none.cos(); },    [&] { return none.tan(); },    [&] { return none.log(); },
    };
    for (const auto& step : steps)
        EXPECT_FALSE(step().known());
}

} // namespace
} // namespace oltrave
