#pragma once

#include <optional>

#include "model/analysisfacts.h"

namespace oltrave {

class Form;

// The analysis of the curve the form last drew, with the coefficients' exact
// values when that curve was drawn from the boxes as they now read; empty when
// the last Print drew no function.
std::optional<Analysis> analysePlotted(const Form& form);

} // namespace oltrave
