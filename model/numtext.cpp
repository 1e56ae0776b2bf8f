#include "numtext.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace oltrave {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// strtod bound to the C locale, so a user's decimal comma never leaks in.
std::optional<double> parseCanonical(const std::string& canonical) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    errno = 0;
    char* end = nullptr;
    const double value = strtod_l(canonical.c_str(), &end, cLocale);
    // Overflow fails; underflow reads as the nearest double, possibly 0.
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

// Reads a decimal number "[+-]digits[.digits][(E|D)[+-]digits]" starting at
// pos. Returns the canonical text for strtod and the end position, or nothing
// when no mantissa digit is present.
struct DecimalScan {
    std::string canonical;
    std::size_t end = 0;
};

std::optional<DecimalScan> scanDecimal(std::string_view s, std::size_t pos) {
    DecimalScan scan;
    std::size_t i = pos;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            scan.canonical += '-';
        ++i;
    }
    bool mantissaDigits = false;
    while (i < s.size() && isDigit(s[i])) {
        scan.canonical += s[i++];
        mantissaDigits = true;
    }
    if (i < s.size() && s[i] == '.') {
        scan.canonical += '.';
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            scan.canonical += s[i++];
            mantissaDigits = true;
        }
    }
    if (!mantissaDigits)
        return std::nullopt;
    scan.end = i;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent += s[j++];
        bool exponentDigits = false;
        while (j < s.size() && isDigit(s[j])) {
            exponent += s[j++];
            exponentDigits = true;
        }
        if (exponentDigits) {
            scan.canonical += exponent;
            scan.end = j;
        }
    }
    return scan;
}

int digitValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// How many leading characters are digits of the radix.
std::size_t radixDigits(std::string_view digits, int radix) {
    std::size_t used = 0;
    while (used < digits.size() && digitValue(digits[used]) >= 0 &&
           digitValue(digits[used]) < radix)
        ++used;
    return used;
}

// Whole number in the given radix, digits up to the first that does not belong.
std::optional<double> radixNumber(std::string_view digits, int radix) {
    double value = 0;
    for (char c : digits) {
        const int d = digitValue(c);
        if (d < 0 || d >= radix)
            break;
        value = value * radix + d;
    }
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::string numtext(double value) {
    if (value == 0)
        return "0"; // also a negative zero
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    for (char& c : text) {
        if (c == 'e')
            c = 'E';
    }
    return text;
}

std::optional<double> numval(std::string_view text) {
    return numvalScan(text).value;
}

NumvalScan numvalScan(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;
    }
    if (s.size() >= 2 && s[0] == '&') {
        const char kind = s[1];
        const int radix = (kind == 'H' || kind == 'h') ? 16 : (kind == 'O' || kind == 'o') ? 8 : 0;
        if (radix != 0) {
            const std::string_view digits = std::string_view(s).substr(2);
            const std::size_t used = radixDigits(digits, radix);
            return {radixNumber(digits.substr(0, used), radix), used > 0,
                    std::string(digits.substr(used))};
        }
    }
    const auto scan = scanDecimal(s, 0);
    if (!scan)
        return {0.0, false, s};
    return {parseCanonical(scan->canonical), true, s.substr(scan->end)};
}

std::optional<double> numstrict(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    const std::string_view core = text.substr(first, last - first);
    const auto scan = scanDecimal(core, 0);
    if (!scan || scan->end != core.size())
        return std::nullopt;
    return parseCanonical(scan->canonical);
}

} // namespace oltrave
