#pragma once

#include <optional>

#include "intersect.h"
#include "model/analysisfacts.h"

namespace oltrave {

class Form;

// The curve the form last drew, with the coefficients' exact values when it
// was drawn from the boxes as they now read; empty when the last Print drew
// no function.
std::optional<AnalysedCurve> plottedCurve(const Form& form);

// The analysis of that curve.
std::optional<Analysis> analysePlotted(const Form& form);

} // namespace oltrave
