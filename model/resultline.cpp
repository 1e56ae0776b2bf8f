#include "resultline.h"

#include <cmath>
#include <optional>

#include "catalogue.h"
#include "exact/exactwriter.h"
#include "numtext.h"

namespace oltrave {

ResultLine& ResultLine::operator<<(std::string_view piece) {
    const std::string_view words = inChosenLanguage(piece);
    text_.append(words);
    if (exactForm_)
        decimal_.append(words);
    return *this;
}

ResultLine& ResultLine::operator<<(const Num& number) {
    const double value = number.number.value;
    if (!std::isfinite(value))
        valid_ = false;
    std::optional<std::string> exact;
    if (number.number.exact)
        exact = writeExact(number.number.exact);
    if (!exact) {
        *this << std::string_view(numtext(value));
        return *this;
    }
    if (!exactForm_) {
        decimal_ = text_;
        exactForm_ = true;
    }
    // A single exact term has no blank in it; a sum joins its terms with blanks.
    if (number.grouped && exact->find(' ') != std::string::npos)
        text_ += "( " + *exact + " )";
    else
        text_ += *exact;
    decimal_ += numtext(value);
    return *this;
}

ResultLine& ResultLine::operator<<(const ResultLine& other) {
    if (other.exactForm_ && !exactForm_) {
        decimal_ = text_;
        exactForm_ = true;
    }
    if (exactForm_)
        decimal_ += other.decimalText();
    text_ += other.text_;
    valid_ = valid_ && other.valid_;
    return *this;
}

} // namespace oltrave
