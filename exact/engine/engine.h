#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <ginac/ginac.h>

#include "exact/exactreader.h"
#include "exact/exactvalue.h"

// The exact layer's own work, on GiNaC: what ExactValue, attemptExact and
// writeExact do once the engine is loaded (see exact/exactengine.h). Every
// value handed in is known: a none operand is settled before the call.
namespace oltrave::engine {

// An expression kept as a value, in its canonical shape when it has one.
ExactValue valueOf(const GiNaC::ex& expression);
// The expression of a known value.
const GiNaC::ex& expressionOf(const ExactValue& value);

ExactValue integer(long value);
ExactValue rational(long numerator, long denominator);
ExactValue pi();
double toDouble(const ExactValue& value);
bool isZero(const ExactValue& value);
ExactValue add(const ExactValue& a, const ExactValue& b);
ExactValue subtract(const ExactValue& a, const ExactValue& b);
ExactValue multiply(const ExactValue& a, const ExactValue& b);
ExactValue divide(const ExactValue& a, const ExactValue& b);
ExactValue negate(const ExactValue& a);
ExactValue sqrt(const ExactValue& a);
ExactValue pow(const ExactValue& base, const ExactValue& exponent);
ExactValue sin(const ExactValue& a);
ExactValue cos(const ExactValue& a);
ExactValue tan(const ExactValue& a);
ExactValue log(const ExactValue& a);

ExactAttempt read(std::string_view text);
std::optional<std::string> write(const ExactValue& value);

} // namespace oltrave::engine
