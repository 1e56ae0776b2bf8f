#include "engine.h"

#include <sstream>
#include <string_view>

#include <ginac/ginac.h>

#include "closedform.h"

namespace oltrave {

namespace {

using GiNaC::numeric;

// Longest numerator or denominator written in exact form.
constexpr std::size_t kMostDigits = 15;

constexpr std::string_view kPiSign = "π";
constexpr std::string_view kRootSign = "√";

std::string integerText(const numeric& integer) {
    std::ostringstream text;
    text << integer;
    return text.str();
}

// One term's text without its sign; empty when a part is too long.
std::optional<std::string> magnitude(const numeric& coefficient, const std::string& symbol) {
    const std::string p = integerText(GiNaC::abs(coefficient.numer()));
    const std::string q = integerText(coefficient.denom());
    if (p.size() > kMostDigits || q.size() > kMostDigits)
        return std::nullopt;
    std::string text;
    if (symbol.empty() || p != "1")
        text += p;
    text += symbol;
    if (q != "1")
        text += "/" + q;
    return text;
}

} // namespace

std::optional<std::string> engine::write(const ExactValue& value) {
    const std::optional<ClosedForm> form = ClosedForm::of(expressionOf(value));
    if (!form)
        return std::nullopt;

    std::string text;
    const auto append = [&text](const numeric& coefficient, const std::string& symbol) {
        const std::optional<std::string> body = magnitude(coefficient, symbol);
        if (!body)
            return false;
        const bool negative = coefficient.is_negative();
        if (text.empty())
            text = negative ? "-" : "";
        else
            text += negative ? " - " : " + ";
        text += *body;
        return true;
    };

    if (!form->rational().is_zero() && !append(form->rational(), ""))
        return std::nullopt;
    for (const auto& [radicand, coefficient] : form->roots()) {
        if (!append(coefficient, std::string(kRootSign) + integerText(radicand)))
            return std::nullopt;
    }
    if (!form->piCoefficient().is_zero() && !append(form->piCoefficient(), std::string(kPiSign)))
        return std::nullopt;
    return text.empty() ? std::string("0") : text;
}

} // namespace oltrave
