#include "familynames.h"

#include <array>

#include "model/familytable.h"

namespace oltrave::cli {

namespace {

constexpr std::array<const char*, kFamilyCount> kNames{
    "linear", "quadratic", "cubic", "sine", "cosine", "tangent", "exponential", "logarithmic",
};

} // namespace

int familyFromArgument(const QString& argument) {
    bool number = false;
    const int index = argument.toInt(&number);
    if (number && argument.size() == 1 && index >= 0 && index < kFamilyCount)
        return index;
    for (int family = 0; family < kFamilyCount; ++family) {
        if (argument == QLatin1String(kNames[static_cast<std::size_t>(family)]))
            return family;
    }
    return -1;
}

} // namespace oltrave::cli
