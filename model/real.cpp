#include "real.h"

#include "exact/exactwriter.h"
#include "numtext.h"

namespace oltrave {

std::string realText(const Real& number) {
    if (number.exact) {
        if (std::optional<std::string> written = writeExact(number.exact))
            return std::move(*written);
    }
    return numtext(number.value);
}

} // namespace oltrave
