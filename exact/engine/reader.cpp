#include "engine.h"

#include <cstddef>
#include <cstdlib>
#include <locale.h>
#include <sstream>
#include <string>

#include <ginac/ginac.h>

namespace oltrave {

namespace {

using GiNaC::numeric;

// Digits an exact box value may need.
constexpr std::size_t kMostDigits = 30;
// A nonzero number scaled by a power of ten beyond this needs more digits
// than allowed in its numerator or denominator; refused before it is formed.
constexpr long kLargestScale = 200;
// Exponent texts longer than this are beyond kLargestScale whatever they say.
constexpr std::size_t kLongestExponent = 6;

constexpr std::string_view kPiSign = "π";
constexpr std::string_view kPiWord = "pi";
constexpr std::string_view kRootSign = "√";
constexpr std::string_view kRootWord = "sqrt(";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view withoutLeadingZeros(std::string_view digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view() : digits.substr(first);
}

numeric integerOf(std::string_view digits) {
    const std::string_view significant = withoutLeadingZeros(digits);
    if (significant.empty())
        return 0;
    return numeric(std::string(significant).c_str());
}

std::size_t digitCount(const numeric& integer) {
    std::ostringstream text;
    text << GiNaC::abs(integer);
    return text.str().size();
}

// A cursor over the text that consumes the grammar's pieces.
class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    bool atEnd() const { return at_ == text_.size(); }
    std::size_t position() const { return at_; }
    void rewind(std::size_t to) { at_ = to; }

    bool take(std::string_view piece) {
        if (text_.substr(at_, piece.size()) != piece)
            return false;
        at_ += piece.size();
        return true;
    }

    std::string_view digits() {
        const std::size_t from = at_;
        while (at_ < text_.size() && isDigit(text_[at_]))
            ++at_;
        return text_.substr(from, at_ - from);
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

// A decimal number as written: mantissa digits times ten to the scale.
struct Decimal {
    std::string mantissa;
    long scale = 0;
    bool tooLarge = false;
};

// digits [ "." digits ] [ exponent ] | "." digits [ exponent ]
std::optional<Decimal> scanNumber(Scanner& in) {
    const std::size_t start = in.position();
    Decimal number;
    number.mantissa = std::string(in.digits());
    const std::size_t point = in.position();
    if (in.take(".")) {
        const std::string_view fraction = in.digits();
        if (fraction.empty())
            in.rewind(point); // "1." is not a number; the point is left over
        number.mantissa += fraction;
        number.scale = -static_cast<long>(fraction.size());
    }
    if (number.mantissa.empty()) {
        in.rewind(start);
        return std::nullopt;
    }
    const std::size_t exponentStart = in.position();
    if (in.take("e") || in.take("E")) {
        const bool negative = in.take("-");
        if (!negative)
            in.take("+");
        const std::string_view written = in.digits();
        if (written.empty()) {
            in.rewind(exponentStart); // left over: the text does not match
            return number;
        }
        const std::string_view exponent = withoutLeadingZeros(written);
        if (exponent.size() > kLongestExponent) {
            number.tooLarge = true;
            return number;
        }
        const long value = exponent.empty() ? 0 : std::stol(std::string(exponent));
        number.scale += negative ? -value : value;
    }
    return number;
}

// The exact rational a decimal writes; empty when it is too large to form.
std::optional<numeric> rationalOf(const Decimal& number) {
    const std::size_t last = number.mantissa.find_last_not_of('0');
    if (last == std::string::npos)
        return numeric(0);
    if (number.tooLarge)
        return std::nullopt;
    // Trailing zeros of the mantissa only shift the scale.
    const std::string_view significant = std::string_view(number.mantissa).substr(0, last + 1);
    const long scale = number.scale + static_cast<long>(number.mantissa.size() - 1 - last);
    if (scale > kLargestScale || scale < -kLargestScale)
        return std::nullopt;
    return integerOf(significant) * numeric(10).power(scale);
}

// strtod in the C locale: the double a decimal text names, as the decimal
// reading finds it.
double decimalDouble(bool negative, const Decimal& number) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    const std::string text =
        std::string(negative ? "-" : "") + number.mantissa + "e" + std::to_string(number.scale);
    return strtod_l(text.c_str(), nullptr, cLocale);
}

bool fitsDigits(const numeric& rational) {
    return digitCount(rational.numer()) <= kMostDigits &&
           digitCount(rational.denom()) <= kMostDigits;
}

// One term: a rational coefficient times π, a square root or 1.
struct Term {
    numeric coefficient = 1;
    GiNaC::ex symbol = 1;
    bool negative = false;
    bool plainDecimal = false; // a number alone, no symbol, no divisor
    std::optional<Decimal> number;
};

// The terms of a text, read one after the other; the first refusal stops it.
class TermReader {
public:
    explicit TermReader(Scanner& in) : in_(in) {}

    ExactRefusal refusal() const { return refusal_; }

    std::optional<Term> term(bool negative) {
        Term term;
        term.number = scanNumber(in_);
        if (term.number) {
            const std::optional<numeric> value = rationalOf(*term.number);
            if (!value)
                return refuse(ExactRefusal::TooManyDigits);
            term.coefficient = *value;
        }
        bool hasSymbol = true;
        if (in_.take(kPiSign) || in_.take(kPiWord)) {
            term.symbol = GiNaC::Pi;
        } else if (in_.take(kRootSign)) {
            const bool bracketed = in_.take("(");
            if (!root(term, bracketed))
                return std::nullopt;
        } else if (in_.take(kRootWord)) {
            if (!root(term, true))
                return std::nullopt;
        } else {
            hasSymbol = false;
        }
        if (!term.number && !hasSymbol)
            return refuse(ExactRefusal::NotANumber);

        bool divided = false;
        if (in_.take("/")) {
            const std::string_view written = in_.digits();
            if (written.empty())
                return refuse(ExactRefusal::NotANumber);
            const numeric divisor = integerOf(written);
            if (divisor.is_zero())
                return refuse(ExactRefusal::DivisionByZero);
            term.coefficient /= divisor;
            divided = true;
        }
        term.negative = negative;
        if (negative)
            term.coefficient = -term.coefficient;
        if (!fitsDigits(term.coefficient))
            return refuse(ExactRefusal::TooManyDigits);
        term.plainDecimal = !hasSymbol && !divided;
        return term;
    }

private:
    // The radicand after "√", "√(" or "sqrt(": whole digits, never negative.
    bool root(Term& term, bool bracketed) {
        if (in_.take("-")) {
            refusal_ = ExactRefusal::NegativeRoot;
            return false;
        }
        const std::string_view radicand = in_.digits();
        if (radicand.empty() || (bracketed && !in_.take(")"))) {
            refusal_ = ExactRefusal::NotANumber;
            return false;
        }
        const numeric n = integerOf(radicand);
        if (digitCount(n) > kMostDigits) {
            refusal_ = ExactRefusal::TooManyDigits;
            return false;
        }
        term.symbol = GiNaC::sqrt(GiNaC::ex(n));
        return true;
    }

    std::nullopt_t refuse(ExactRefusal why) {
        refusal_ = why;
        return std::nullopt;
    }

    Scanner& in_;
    ExactRefusal refusal_ = ExactRefusal::NotANumber;
};

ExactAttempt refused(ExactRefusal why) {
    return {std::nullopt, why};
}

} // namespace

ExactAttempt engine::read(std::string_view text) {
    const std::string_view core = trimmed(text);
    if (core.empty())
        return {ExactReading{integer(0), 0.0}, ExactRefusal::None};

    Scanner in(core);
    TermReader reader(in);
    bool negative = in.take("-");
    if (!negative)
        in.take("+");
    GiNaC::ex sum = 0;
    std::optional<Term> only; // the first term, while it is the only one
    int terms = 0;
    while (true) {
        const std::optional<Term> term = reader.term(negative);
        if (!term)
            return refused(reader.refusal());
        sum += term->coefficient * term->symbol;
        if (++terms == 1)
            only = term;
        if (in.atEnd())
            break;
        if (in.take("-"))
            negative = true;
        else if (in.take("+"))
            negative = false;
        else
            return refused(ExactRefusal::NotANumber);
    }

    const ExactValue value = valueOf(sum);
    // A plain decimal is read to the very double the decimal reading gives.
    const double nearest = (terms == 1 && only->plainDecimal)
                               ? decimalDouble(only->negative, *only->number)
                               : toDouble(value);
    return {ExactReading{value, nearest}, ExactRefusal::None};
}

} // namespace oltrave
