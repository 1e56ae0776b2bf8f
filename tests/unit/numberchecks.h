#pragma once

// Promises of the number texts, checked for one input at a time. Shared by the
// property tests and the fuzz targets; each check returns what broke, or "".

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "model/numtext.h"

namespace oltrave::testing {

// x rounded to 15 significant digits by the C library's own formatting, not
// by the route numtext takes. Infinite when the rounding leaves the double range.
inline double roundedTo15(double x) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", x);
    return std::strtod(buffer, nullptr);
}

inline std::string escaped(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f || c == '"' || c == '\\') {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

inline std::string shown(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

inline std::string numtextFault(double x) {
    const std::string text = numtext(x);
    const auto fault = [&](const char* what) {
        return std::string(what) + ": numtext(" + shown(x) + ") = " + escaped(text);
    };
    if (!std::isfinite(x))
        return text.empty() ? fault("empty text") : "";
    if (text.empty())
        return fault("empty text");
    if (text.front() == ' ')
        return fault("leading blank");
    if (text.find(',') != std::string::npos)
        return fault("comma");
    if (text.find_first_not_of("0123456789.-+E") != std::string::npos)
        return fault("unexpected character");

    const double expected = roundedTo15(x);
    const std::optional<double> lenient = numval(text);
    const std::optional<double> strict = numstrict(text);
    if (std::isinf(expected)) {
        // Rounding up past the largest double: the text cannot be read back.
        if (lenient || strict)
            return fault("reads back although beyond the double range");
        return "";
    }
    if (!lenient || *lenient != expected)
        return fault("numval does not give x rounded to 15 digits");
    if (!strict || *strict != *lenient)
        return fault("numstrict does not read it as numval does");
    if (expected == 0 && text != "0")
        return fault("zero written other than as 0");

    const std::size_t e = text.find('E');
    const std::string mantissa = text.substr(0, e);
    const std::size_t digitsAt = mantissa.front() == '-' ? 1 : 0;
    if (mantissa.size() <= digitsAt || mantissa[digitsAt] == '.')
        return fault("no digit before the decimal point");
    if (mantissa.find('.') != std::string::npos &&
        (mantissa.back() == '0' || mantissa.back() == '.'))
        return fault("trailing zero or decimal point");
    const std::size_t firstSignificant = mantissa.find_first_not_of("-0.");
    std::size_t significant = 0;
    for (std::size_t i = firstSignificant; i < mantissa.size(); ++i)
        significant += mantissa[i] != '.';
    if (significant > 15)
        return fault("more than 15 significant digits");
    if (e == std::string::npos) {
        if (std::fabs(expected) >= 1e15)
            return fault("large magnitude without exponent");
    } else {
        const std::string exponent = text.substr(e + 1);
        if (exponent.size() < 3 || (exponent[0] != '+' && exponent[0] != '-') ||
            exponent.find_first_not_of("0123456789", 1) != std::string::npos)
            return fault("exponent not signed with at least two digits");
    }
    return "";
}

inline std::string readingFault(std::string_view what, std::string_view text,
                                std::optional<double> value) {
    return std::string(what) + "(" + escaped(text) +
           ") = " + (value ? shown(*value) : std::string("nothing"));
}

inline std::string numvalFault(std::string_view text) {
    const std::optional<double> value = numval(text);
    if (value && !std::isfinite(*value))
        return readingFault("numval gave a non-finite value: numval", text, value);
    // Blanks, tabs and line feeds count nowhere.
    std::string squeezed;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            squeezed += c;
    }
    const std::optional<double> again = numval(squeezed);
    if (again != value)
        return readingFault("dropping the blanks changed the value: numval", text, value);
    return "";
}

inline std::string numstrictFault(std::string_view text) {
    const std::optional<double> value = numstrict(text);
    if (!value)
        return "";
    if (!std::isfinite(*value))
        return readingFault("numstrict gave a non-finite value: numstrict", text, value);
    if (numval(text) != value)
        return readingFault("numval reads a whole number differently: numstrict", text, value);
    const std::string padded = " \t" + std::string(text) + "\t ";
    if (numstrict(padded) != value)
        return readingFault("blanks at the ends changed the value: numstrict", text, value);
    if (numstrict(std::string(text) + "x"))
        return readingFault("a trailing letter was accepted: numstrict", text, value);
    return "";
}

} // namespace oltrave::testing
