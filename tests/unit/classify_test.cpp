#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/classify.h"
#include "analysischecks.h"
#include "model/language.h"

namespace oltrave::testing {
namespace {

// A shape in a few letters: "-" for no function, else zeros, parity, the
// extrema's kinds and the stretches in order, and the asymptotes' count:
// "2 neither min dec,inc 0".
std::string code(const Shape& s) {
    if (!s.function)
        return "-";
    std::string text = std::to_string(s.zeros) + " ";
    text += s.parity == Parity::Odd ? "odd" : s.parity == Parity::Even ? "even" : "neither";
    std::string kinds;
    for (ExtremumKind k : s.extrema)
        kinds += (kinds.empty() ? "" : ",") + std::string(k == ExtremumKind::Max ? "max" : "min");
    text += " " + (kinds.empty() ? std::string("none") : kinds) + " ";
    std::string stretches;
    for (Monotony m : s.monotony)
        stretches +=
            (stretches.empty() ? "" : ",") + std::string(m == Monotony::Increasing ? "inc" : "dec");
    return text + stretches + " " + std::to_string(s.asymptotes);
}

// The boxes with one of them "p", read as Print reads them.
struct Parameterised {
    RealCoefficients coef;
    int parameter = -1;
};
Parameterised withParameter(const std::vector<std::string>& boxes, bool exact) {
    Parameterised p;
    std::vector<std::string> texts = boxes;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i] == "p") {
            p.parameter = static_cast<int>(i);
            texts[i] = "0";
        }
    }
    p.coef = readCoefficients(texts, exact);
    return p;
}

ShapeClassification classifyBoxes(const std::string& family, int mode,
                                  const std::vector<std::string>& boxes, bool exact,
                                  double from = -10, double to = 10) {
    const Parameterised p = withParameter(boxes, exact);
    return classifyShapes(familyNamed(family), modeAt(mode), p.coef, p.parameter, from, to);
}

std::vector<std::string> rows(const ShapeClassification& c) {
    std::vector<std::string> texts;
    for (const ShapePiece& piece : c.pieces)
        texts.push_back(pieceBoundsText(piece, "p") + " : " + code(piece.shape));
    return texts;
}

struct ClassifyCase {
    std::string family;
    int mode;
    std::vector<std::string> boxes;
    bool exact;
    std::vector<std::string> rows;
    double from = -10;
    double to = 10;
};

// Each table worked out from the closed forms by hand.
TEST(Classify, PiecesOfEachFamily) {
    const ClassifyCase cases[] = {
        // x ^ 2 - 2 x + p: D = 4 - 4 p
        {"quadratic",
         0,
         {"1", "-2", "p"},
         false,
         {"p < 1 : 2 neither min dec,inc 0", "p = 1 : 1 neither min dec,inc 0",
          "p > 1 : 0 neither min dec,inc 0"}},
        {"quadratic",
         0,
         {"1", "-2", "p"},
         true,
         {"p < 1 : 2 neither min dec,inc 0", "p = 1 : 1 neither min dec,inc 0",
          "p > 1 : 0 neither min dec,inc 0"}},
        // p x ^ 2 + 2 x + 1: no function at p = 0, D = 4 - 4 p
        {"quadratic",
         0,
         {"p", "2", "1"},
         false,
         {"p < 0 : 2 neither max inc,dec 0", "p = 0 : -", "0 < p < 1 : 2 neither min dec,inc 0",
          "p = 1 : 1 neither min dec,inc 0", "p > 1 : 0 neither min dec,inc 0"}},
        // 3 x ^ 2 + 2 x + p: D = 4 - 12 p, zero only exactly at p = 1/3
        {"quadratic",
         0,
         {"3", "2", "p"},
         true,
         {"p < 1/3 : 2 neither min dec,inc 0", "p = 1/3 : 1 neither min dec,inc 0",
          "p > 1/3 : 0 neither min dec,inc 0"}},
        {"linear",
         0,
         {"p", "3"},
         false,
         {"p < 0 : 1 neither none dec 0", "p = 0 : -", "p > 0 : 1 neither none inc 0"}},
        // | x + p |: even only at p = 0
        {"linear",
         1,
         {"1", "p"},
         false,
         {"p < 0 : 1 neither min dec,inc 0", "p = 0 : 1 even min dec,inc 0",
          "p > 0 : 1 neither min dec,inc 0"}},
        // sin x + p: zeros where sin x = -p; at p = 0 one family every π, and odd
        {"sine",
         0,
         {"1", "1", "0", "p"},
         false,
         {"p < -1 : 0 neither max,min inc,dec 0", "p = -1 : 1 neither max,min inc,dec 0",
          "-1 < p < 0 : 2 neither max,min inc,dec 0", "p = 0 : 1 odd max,min inc,dec 0",
          "0 < p < 1 : 2 neither max,min inc,dec 0", "p = 1 : 1 neither max,min inc,dec 0",
          "p > 1 : 0 neither max,min inc,dec 0"}},
        // cos(x + p): even at p = kπ, odd at π/2 + kπ
        {"cosine",
         0,
         {"1", "1", "p", "0"},
         true,
         {"p = 0 : 1 even max,min inc,dec 0", "0 < p < π/2 : 1 neither max,min inc,dec 0",
          "p = π/2 : 1 odd max,min inc,dec 0", "π/2 < p ≤ 2 : 1 neither max,min inc,dec 0"},
         0,
         2},
        // p ^ x: a base from 0 to 1 falls, above 1 rises
        {"exponential",
         0,
         {"p", "0"},
         false,
         {"p ≤ 0 : -", "0 < p < 1 : 0 neither none dec 1", "p = 1 : -",
          "p > 1 : 0 neither none inc 1"}},
        // 2 ^ | x | + p: two zeros below -1, one at -1 (at 0), none above
        {"exponential",
         2,
         {"2", "p"},
         false,
         {"p < -1 : 2 even min dec,inc 0", "p = -1 : 1 even min dec,inc 0",
          "p > -1 : 0 even min dec,inc 0"}},
        // x ^ 3 + p x: turns while p < 0; x ^ 3 itself has none
        {"cubic",
         0,
         {"1", "0", "p", "0"},
         false,
         {"p < 0 : 3 odd max,min inc,dec,inc 0", "p ≥ 0 : 1 odd none inc 0"}},
        // x ^ 2 + p | x |: for p < 0 zeros at 0 and ±(-p), a max at 0
        {"quadratic",
         2,
         {"1", "p", "0"},
         true,
         {"p < 0 : 3 even min,max,min dec,inc,dec,inc 0", "p ≥ 0 : 1 even min dec,inc 0"}},
        // k x + 3 looked at for k in [1, 5]: its one boundary k = 0 lies below
        {"linear", 0, {"p", "3"}, false, {"p ≥ 1 : 1 neither none inc 0"}, 1, 5},
        // log2 | x | + p: two zeros for every p, the y axis the asymptote
        {"logarithmic", 2, {"2", "p"}, false, {"p ∈ R : 2 even none dec,inc 1"}},
        // tan x + p: odd only at p = 0
        {"tangent",
         0,
         {"1", "1", "0", "p"},
         false,
         {"p < 0 : 1 neither none inc 1", "p = 0 : 1 odd none inc 1",
          "p > 0 : 1 neither none inc 1"}},
    };
    for (const ClassifyCase& c : cases) {
        SCOPED_TRACE(c.family + " mode " + std::to_string(c.mode) + (c.exact ? " exact" : ""));
        EXPECT_EQ(rows(classifyBoxes(c.family, c.mode, c.boxes, c.exact, c.from, c.to)), c.rows);
    }
}

// The shape of the family at one value of the parameter.
Shape shapeAt(const FamilyDescription& family, int mode, RealCoefficients coef, int parameter,
              const Real& p) {
    coef[static_cast<std::size_t>(parameter)] = p;
    return shapeOf(analyse(family, modeAt(mode), coef));
}

// For random functions: the shape anywhere inside a piece is the piece's, and
// just across each boundary it is the neighbour's, which differs.
TEST(ClassifyProperty, PiecesHoldInsideAndChangeAcrossBoundaries) {
    std::mt19937 random(2812);
    const auto draw = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    constexpr double kFrom = -6, kTo = 6;
    for (int trial = 0; trial < 400; ++trial) {
        const FamilyDescription& family = *familyDescription(draw(0, familyCount() - 1));
        int shown = 0;
        for (auto caption : family.captions)
            shown += caption.empty() ? 0 : 1;
        const bool exact = draw(0, 1) == 1;
        const int mode = family.hasModes ? draw(0, 2) : 0;
        std::vector<std::string> boxes;
        for (int i = 0; i < shown; ++i) {
            const int n = draw(-3, 3);
            boxes.push_back(draw(0, 3) == 0 ? std::to_string(n) + "/2" : std::to_string(n));
        }
        // A base of a logarithm or an exponential above 0, most of the time.
        if (family.name == "exponential" || family.name == "logarithmic")
            boxes[0] = std::to_string(draw(2, 4)) + (draw(0, 1) ? "" : "/5");
        const int parameter = draw(0, shown - 1);
        boxes[static_cast<std::size_t>(parameter)] = "p";
        const Parameterised set = withParameter(boxes, exact);
        const ShapeClassification c =
            classifyShapes(family, modeAt(mode), set.coef, parameter, kFrom, kTo);
        std::string trace = std::string(family.name) + " mode " + std::to_string(mode);
        for (const std::string& b : boxes)
            trace += " " + b;
        SCOPED_TRACE(trace + (exact ? " exact" : ""));
        ASSERT_FALSE(c.pieces.empty());
        const auto at = [&](const Real& p) {
            return code(shapeAt(family, mode, set.coef, parameter, p));
        };
        for (std::size_t i = 0; i < c.pieces.size(); ++i) {
            const ShapePiece& piece = c.pieces[i];
            const std::string shape = code(piece.shape);
            if (i > 0) {
                EXPECT_NE(code(c.pieces[i - 1].shape), shape) << "neighbours alike";
            }
            if (piece.single()) {
                EXPECT_EQ(at(piece.from->value), shape);
                const double b = piece.from->nearest;
                const double d = 1e-6 * std::max(1.0, std::fabs(b));
                if (i + 1 < c.pieces.size()) {
                    EXPECT_EQ(at(Real(b + d)), code(c.pieces[i + 1].shape)) << "above p = " << b;
                }
                if (i > 0) {
                    EXPECT_EQ(at(Real(b - d)), code(c.pieces[i - 1].shape)) << "below p = " << b;
                }
                continue;
            }
            const double low = piece.from ? piece.from->nearest : kFrom;
            const double high = piece.to ? piece.to->nearest : kTo;
            for (int k = 0; k < 5; ++k) {
                const double p = std::uniform_real_distribution<double>(low, high)(random);
                if (p <= low || p >= high)
                    continue;
                EXPECT_EQ(at(Real(p)), shape) << "inside, at p = " << p;
            }
            // Just below the piece's start the shape is that of the stretch
            // before it, beyond the boundary's own value when that is a piece.
            if (piece.from && i > 0) {
                const bool pointBefore = c.pieces[i - 1].single();
                if (pointBefore && i < 2)
                    continue;
                const std::size_t before = pointBefore ? i - 2 : i - 1;
                const double b = piece.from->nearest;
                const Real below(b - 1e-6 * std::max(1.0, std::fabs(b)));
                EXPECT_EQ(at(below), code(c.pieces[before].shape)) << "just below p = " << b;
                if (!pointBefore) {
                    EXPECT_NE(at(below), shape) << "just below p = " << b;
                }
            }
        }
    }
}

} // namespace
} // namespace oltrave::testing
