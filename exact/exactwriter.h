#pragma once

#include <optional>
#include <string>

#include "exactvalue.h"

namespace oltrave {

// The text of an exact value of the shape r + s1·√n1 + … + t·π: rational part
// first, then root terms by increasing radicand, then the π term; each
// coefficient p/q in lowest terms ("2√3", "√3/3", "3π/4", "-1/2 + π/4"), zero
// as "0". Empty for a value of any other shape, for none, and when some p or q
// has more than 15 digits: the decimal text is written instead.
std::optional<std::string> writeExact(const ExactValue& value);

} // namespace oltrave
