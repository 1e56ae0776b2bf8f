#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "absmode.h"
#include "real.h"

namespace oltrave {

class PlotContext;
struct KeyPoints;
struct FunctionFacts;
struct XValue;

inline constexpr int kBoxCount = 4;

// The numbers read from the coefficient boxes, in box order.
using Coefficients = std::array<double, kBoxCount>;

// A family's function at x, before any absolute-value mode is applied.
using FamilyFunction = double (*)(const Coefficients& coef, double x);

// The coefficients with their exact values beside them (none in decimal mode).
using RealCoefficients = std::array<Real, kBoxCount>;
// The exact values of the coefficients, when the boxes were read in exact mode.
using ExactCoefficients = std::array<ExactValue, kBoxCount>;
// The same function, the same steps, on numbers that carry an exact value.
using RealFunction = Real (*)(const RealCoefficients& coef, Real x);

// Everything the program asks about one function family. Each family unit in
// families/ defines one of these; the table below lists them in chooser order
// and nothing else names a family.
struct FamilyDescription {
    std::string_view name;                              // command-line name: "linear"
    std::string_view entry;                             // chooser text
    std::string_view formulaTemplate;                   // formula label text
    std::array<std::string_view, kBoxCount> captions;   // empty: box and label hidden
    bool hasModes;                                      // false: f(x) only, mode labels disabled
    bool (*valid)(const Coefficients& coef);            // a function of this family at all
    FamilyFunction function;                            // for point evaluation and any caller
    RealFunction exactFunction;                         // function with its exact value beside
    void (*sample)(PlotContext& context, AbsMode mode); // the curve, the function inlined
    void (*lines)(PlotContext& context);                // result lines of a valid function
    // Zeros, extrema and vertical asymptotes of f(x) (no mode) with x in
    // [-reach, reach], from closed forms; valid coefficients only.
    KeyPoints (*keyPoints)(const Coefficients& coef, double reach);
    // The closed forms of f(x) (no mode) for the analysis; valid coefficients only.
    FunctionFacts (*facts)(const RealCoefficients& coef);
    // The values of the coefficient numbered parameter, the others held as
    // given, where the analysis's shape may change in some mode: where the
    // function of the family starts or stops, and where a closed form of the
    // shape (a discriminant, -M/A, f(0), f'(0)) crosses a critical value.
    // Single values or k-families, in closed form; any coefficients.
    std::vector<XValue> (*shapeBoundaries)(const RealCoefficients& coef, int parameter);
    // The box holding an angle (a phase), -1 for none: a slider steps it by
    // fractions of π in exact mode.
    int angleBox = -1;
};

// The families in chooser order; the index is the family number.
int familyCount();
// Nothing for an index outside the chooser's list.
const FamilyDescription* familyDescription(int family);

// Runs a family's part of the plot command: the curve, then, for valid
// coefficients, the lines. Returns whether the lines were written.
bool plotFamily(const FamilyDescription& family, PlotContext& context);

// f(x), |f(x)| or f(|x|) of the family at x; empty when the value cannot be
// computed (domain, overflow) or the mode is unknown. A family without modes
// is always f(x).
std::optional<double> valueInMode(const FamilyDescription& family, AbsMode mode,
                                  const Coefficients& coef, double x);
// The same with the exact value computed beside the double.
std::optional<Real> valueInMode(const FamilyDescription& family, AbsMode mode,
                                const RealCoefficients& coef, const Real& x);

} // namespace oltrave
