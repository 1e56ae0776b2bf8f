#pragma once

#include <QJsonObject>

#include "model/analysisfacts.h"

namespace oltrave {
class Form;
}

namespace oltrave::cli {

// The analysis of the form's last plot as analyse --json writes it: the
// analysis's keys, then the formula line, the family's name, the mode, the
// boxes' texts and whether the numbers are exact.
QJsonObject plottedAnalysisJson(const Form& form, const Analysis& analysis);

} // namespace oltrave::cli
