#include "resultline.h"

#include <cmath>

#include "catalogue.h"
#include "numtext.h"

namespace oltrave {

ResultLine& ResultLine::operator<<(std::string_view piece) {
    text_.append(inChosenLanguage(piece));
    return *this;
}

ResultLine& ResultLine::operator<<(Num number) {
    if (!std::isfinite(number.value))
        valid_ = false;
    text_ += numtext(number.value);
    return *this;
}

ResultLine& ResultLine::operator<<(const ResultLine& other) {
    text_ += other.text_;
    valid_ = valid_ && other.valid_;
    return *this;
}

} // namespace oltrave
