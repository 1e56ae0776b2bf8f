#pragma once

#include <QJsonValue>
#include <optional>

#include "model/analysisfacts.h"

namespace oltrave::cli {

// The JSON shapes of the analysis: a number {"text", "value"}, a bound (a
// number or null for an infinite end), an x or k-family, an interval.
QJsonValue number(const Real& n);
QJsonValue bound(const std::optional<Real>& n);
QJsonValue xValue(const XValue& x);
QJsonValue interval(const Span& s);

} // namespace oltrave::cli
