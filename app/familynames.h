#pragma once

#include <QString>

namespace oltrave::cli {

// The family a FAMILY argument names, by chooser number or English name;
// -1 for anything else.
int familyFromArgument(const QString& argument);

} // namespace oltrave::cli
