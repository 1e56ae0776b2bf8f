#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <optional>

#include "model/analysisfacts.h"

namespace oltrave {
class Form;
}

namespace oltrave::cli {

// The JSON shapes of the analysis: a number {"text", "value"}, a bound (a
// number or null for an infinite end), an x or k-family, an interval.
QJsonValue number(const Real& n);
QJsonValue bound(const std::optional<Real>& n);
QJsonValue xValue(const XValue& x);
QJsonValue interval(const Span& s);

// The analysis of the form's last plot as analyse --json writes it: the
// analysis's keys, then the formula line, the family's name, the mode, the
// boxes' texts and whether the numbers are exact.
QJsonObject plottedAnalysisJson(const Form& form, const Analysis& analysis);

} // namespace oltrave::cli
