#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "exactreader.h"
#include "exactvalue.h"

namespace oltrave {

// The exact arithmetic, on GiNaC, behind one table. GiNaC and its number
// library take megabytes and milliseconds to load, and only exact mode needs
// them: the program loads the engine as a module on the first exact value,
// while tests and tools carry it built in.
struct ExactEngine {
    ExactValue (*integer)(long value);
    ExactValue (*rational)(long numerator, long denominator);
    ExactValue (*pi)();
    double (*toDouble)(const ExactValue& value);
    bool (*isZero)(const ExactValue& value);
    ExactValue (*add)(const ExactValue& a, const ExactValue& b);
    ExactValue (*subtract)(const ExactValue& a, const ExactValue& b);
    ExactValue (*multiply)(const ExactValue& a, const ExactValue& b);
    ExactValue (*divide)(const ExactValue& a, const ExactValue& b);
    ExactValue (*negate)(const ExactValue& a);
    ExactValue (*sqrt)(const ExactValue& a);
    ExactValue (*pow)(const ExactValue& base, const ExactValue& exponent);
    ExactValue (*sin)(const ExactValue& a);
    ExactValue (*cos)(const ExactValue& a);
    ExactValue (*tan)(const ExactValue& a);
    ExactValue (*log)(const ExactValue& a);
    ExactAttempt (*read)(std::string_view text);
    std::optional<std::string> (*write)(const ExactValue& value);
};

// How this program finds its engine; asked once, when the first exact value
// is wanted. A program without one, or whose loader finds none, has no exact
// values: every reading is left to the decimal rules.
using ExactEngineLoader = const ExactEngine* (*)();
void setExactEngineLoader(ExactEngineLoader loader);

// Defined only in programs that carry the engine inside (engine/builtin.cpp),
// which then need no loader.
const ExactEngine* builtInExactEngine() __attribute__((weak));

} // namespace oltrave
