#pragma once

// Promises of the exact reader and writer, checked for one input at a time.
// Shared by the property tests and the fuzz target; each check returns what
// broke, or "".

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "actions.h"
#include "exact/exactreader.h"
#include "exact/exactvalue.h"
#include "exact/exactwriter.h"
#include "numberchecks.h"

namespace oltrave::testing {

inline bool closeRelative(double a, double b, double tolerance) {
    return std::fabs(a - b) <= tolerance * std::max({std::fabs(a), std::fabs(b), 1e-300});
}

// A written value's terms with their signs: "-1/2 + π/4" gives "-1/2", "π/4".
inline std::vector<std::string> signedTerms(const std::string& text) {
    std::vector<std::string> terms;
    std::string sign;
    std::size_t from = 0;
    while (true) {
        const std::size_t plus = text.find(" + ", from);
        const std::size_t minus = text.find(" - ", from);
        const std::size_t at = std::min(plus, minus);
        terms.push_back(sign + text.substr(from, at - from));
        if (at == std::string::npos)
            return terms;
        sign = at == minus ? "-" : "";
        from = at + 3;
    }
}

// A written text reads back, term by term, to the value it was written from,
// and each term is written as it reads.
inline std::string exactWriteFault(const ExactValue& value) {
    const std::optional<std::string> text = writeExact(value);
    if (!text)
        return "";
    const auto fault = [&](const std::string& what) {
        return what + ": written " + escaped(*text);
    };
    if (!value.known())
        return fault("a value that is none was written");
    if (text->empty())
        return fault("empty text");
    if (*text == "-0" || text->find("--") != std::string::npos || text->front() == '+' ||
        text->front() == ' ' || text->back() == ' ')
        return fault("malformed sign or blank");
    ExactValue sum = ExactValue::integer(0);
    for (const std::string& term : signedTerms(*text)) {
        const std::optional<ExactReading> reading = readExact(term);
        if (!reading)
            return fault("term " + escaped(term) + " does not read back");
        if (writeExact(reading->value) != term)
            return fault("term " + escaped(term) + " is not written as it reads");
        sum = sum + reading->value;
    }
    if (writeExact(sum - value) != "0")
        return fault("reads back to another value");
    const double expected = value.toDouble();
    if (std::isfinite(expected) && !closeRelative(sum.toDouble(), expected, 1e-15))
        return fault("reads back to another double");
    return "";
}

// An accepted text has a value whose nearest double is the one given, and
// that value keeps the writer's promises.
inline std::string exactReadFault(std::string_view text) {
    const std::optional<ExactReading> reading = readExact(text);
    if (!reading)
        return "";
    const auto fault = [&](const std::string& what) {
        return what + ": readExact(" + escaped(text) + ") nearest " + shown(reading->nearest);
    };
    if (!reading->value.known())
        return fault("accepted without a value");
    if (!std::isfinite(reading->nearest))
        return fault("nearest double not finite");
    if (!closeRelative(reading->nearest, reading->value.toDouble(), 1e-15))
        return fault("nearest double far from the value");
    const std::string written = exactWriteFault(reading->value);
    return written.empty() ? "" : fault(written);
}

// A random value built from integers, fractions, π and roots by the
// operations the lines use.
inline ExactValue randomExact(ChoiceSource& source, int depth) {
    if (depth == 0 || source.pick(3) == 0) {
        switch (source.pick(4)) {
        case 0: return ExactValue::integer(static_cast<long>(source.pick(25)) - 12);
        case 1:
            return ExactValue::rational(static_cast<long>(source.pick(41)) - 20,
                                        static_cast<long>(source.pick(12)) + 1);
        case 2: return ExactValue::pi();
        default: return ExactValue::integer(static_cast<long>(source.pick(60)) + 2).sqrt();
        }
    }
    const ExactValue a = randomExact(source, depth - 1);
    switch (source.pick(10)) {
    case 0: return a + randomExact(source, depth - 1);
    case 1: return a - randomExact(source, depth - 1);
    case 2: return a * randomExact(source, depth - 1);
    case 3: return a / randomExact(source, depth - 1);
    case 4: return -a;
    case 5: return a.sqrt();
    case 6: return a.sin();
    case 7: return a.cos();
    case 8: return a.tan();
    default: return a.pow(ExactValue::integer(static_cast<long>(source.pick(7)) - 3));
    }
}

} // namespace oltrave::testing
