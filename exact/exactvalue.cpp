#include "exactvalue.h"

#include <limits>

#include "exactengine.h"
#include "exactreader.h"
#include "exactwriter.h"

namespace oltrave {

namespace {

ExactEngineLoader engineLoader = nullptr;

const ExactEngine* loadedEngine() {
    static const ExactEngine* const engine = builtInExactEngine ? builtInExactEngine()
                                             : engineLoader     ? engineLoader()
                                                                : nullptr;
    return engine;
}

// Known values come from the engine, so it is loaded by the time one exists.
const ExactEngine& engineOf(const ExactValue& /*known*/) {
    return *loadedEngine();
}

} // namespace

void setExactEngineLoader(ExactEngineLoader loader) {
    engineLoader = loader;
}

ExactValue ExactValue::integer(long value) {
    const ExactEngine* engine = loadedEngine();
    return engine ? engine->integer(value) : ExactValue();
}

ExactValue ExactValue::rational(long numerator, long denominator) {
    const ExactEngine* engine = loadedEngine();
    return engine ? engine->rational(numerator, denominator) : ExactValue();
}

ExactValue ExactValue::pi() {
    const ExactEngine* engine = loadedEngine();
    return engine ? engine->pi() : ExactValue();
}

double ExactValue::toDouble() const {
    return known() ? engineOf(*this).toDouble(*this) : std::numeric_limits<double>::quiet_NaN();
}

bool ExactValue::isZero() const {
    return known() && engineOf(*this).isZero(*this);
}

ExactValue operator+(const ExactValue& a, const ExactValue& b) {
    return a && b ? engineOf(a).add(a, b) : ExactValue();
}

ExactValue operator-(const ExactValue& a, const ExactValue& b) {
    return a && b ? engineOf(a).subtract(a, b) : ExactValue();
}

ExactValue operator*(const ExactValue& a, const ExactValue& b) {
    return a && b ? engineOf(a).multiply(a, b) : ExactValue();
}

ExactValue operator/(const ExactValue& a, const ExactValue& b) {
    return a && b ? engineOf(a).divide(a, b) : ExactValue();
}

ExactValue ExactValue::operator-() const {
    return known() ? engineOf(*this).negate(*this) : ExactValue();
}

ExactValue ExactValue::sqrt() const {
    return known() ? engineOf(*this).sqrt(*this) : ExactValue();
}

ExactValue ExactValue::pow(const ExactValue& exponent) const {
    return known() && exponent ? engineOf(*this).pow(*this, exponent) : ExactValue();
}

ExactValue ExactValue::sin() const {
    return known() ? engineOf(*this).sin(*this) : ExactValue();
}

ExactValue ExactValue::cos() const {
    return known() ? engineOf(*this).cos(*this) : ExactValue();
}

ExactValue ExactValue::tan() const {
    return known() ? engineOf(*this).tan(*this) : ExactValue();
}

ExactValue ExactValue::log() const {
    return known() ? engineOf(*this).log(*this) : ExactValue();
}

ExactAttempt attemptExact(std::string_view text) {
    const ExactEngine* engine = loadedEngine();
    return engine ? engine->read(text) : ExactAttempt{std::nullopt, ExactRefusal::NoEngine};
}

std::optional<std::string> writeExact(const ExactValue& value) {
    return value ? engineOf(value).write(value) : std::nullopt;
}

} // namespace oltrave
