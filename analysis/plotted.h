#pragma once

#include <optional>

#include "intersect.h"
#include "model/analysisfacts.h"
#include "model/drawncurve.h"

namespace oltrave {

class Form;

// The curve the form last drew, with the coefficients' exact values when it
// was drawn from the boxes as they now read; empty when the last Print drew
// no function.
std::optional<AnalysedCurve> plottedCurve(const Form& form);

// A drawn curve for the analysis, with the exact values it was printed with
// when exact is asked for and it has them.
AnalysedCurve analysedCurve(const DrawnCurve& curve, bool exact);

// The analysis of that curve.
std::optional<Analysis> analysePlotted(const Form& form);

} // namespace oltrave
