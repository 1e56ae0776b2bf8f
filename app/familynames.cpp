#include "familynames.h"

#include "model/familytable.h"

namespace oltrave::cli {

int familyFromArgument(const QString& argument) {
    bool number = false;
    const int index = argument.toInt(&number);
    if (number && argument.size() == 1 && index >= 0 && index < familyCount())
        return index;
    for (int family = 0; family < familyCount(); ++family) {
        const std::string_view name = familyDescription(family)->name;
        if (argument == QLatin1String(name.data(), static_cast<qsizetype>(name.size())))
            return family;
    }
    return -1;
}

} // namespace oltrave::cli
