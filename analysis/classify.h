#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/analysisfacts.h"
#include "model/familytable.h"

namespace oltrave {

// What a student compares as a coefficient moves: the outline of the
// analysis, not its numbers.
enum class Monotony { Increasing, Decreasing };

struct Shape {
    bool function = false; // nothing else counts where there is no function
    bool periodic = false; // then zeros and asymptotes count k-families
    int zeros = 0;
    Parity parity = Parity::Neither;
    // Ascending in x; for a periodic family one period's kinds, in a fixed
    // order, since where a period starts is arbitrary.
    std::vector<ExtremumKind> extrema;
    std::vector<Monotony> monotony;
    int asymptotes = 0;

    friend bool operator==(const Shape&, const Shape&) = default;
};

// The shape of an analysis; no analysis is no function.
Shape shapeOf(const std::optional<Analysis>& analysis);

// One end of a piece of the parameter's range.
struct PieceBound {
    Real value;
    bool closed = false; // the piece holds the value itself
    std::string text;    // as the list writes numbers: a closed form where it has one
    double nearest = 0;  // the double nearest the value
};

// Values of the parameter on which the shape stays the same: a single value
// (from and to equal and closed), or an interval. An empty end is -∞ or +∞:
// the closed forms have no boundary beyond the range looked at; where they
// have, the piece ends, closed, at the range's end.
struct ShapePiece {
    std::optional<PieceBound> from;
    std::optional<PieceBound> to;
    Shape shape;

    bool single() const {
        return from && to && from->closed && to->closed && from->text == to->text;
    }
};

struct ShapeClassification {
    int parameter = 0;
    double from = -10;
    double to = 10;
    std::vector<ShapePiece> pieces; // ascending, neighbours of different shapes
};

// Splits the values in [from, to] of the coefficient numbered parameter, the
// others held, into pieces of equal shape of the analysis in the mode. The
// boundaries are the family's closed forms, each piece confirmed by the
// analysis inside it and at its ends. Exact when the parameter's entry in
// coef carries an exact value (any: exact mode), on doubles otherwise.
ShapeClassification classifyShapes(const FamilyDescription& family, AbsMode mode,
                                   const RealCoefficients& coef, int parameter, double from,
                                   double to);

// The pieces as a person reads them, in the language chosen at start-up.
// "p < 1", "p = 1", "1 < p ≤ 4", "p ∈ R", with name for p.
std::string pieceBoundsText(const ShapePiece& piece, const std::string& name);
// The whole shape in words: "two zeros, even, one minimum, ...".
std::string shapeText(const Shape& shape);
// What sets the piece apart from the others ("two zeros"), or its whole shape
// when no other piece differs.
std::string pieceSummary(const ShapeClassification& classification, std::size_t piece);

} // namespace oltrave
