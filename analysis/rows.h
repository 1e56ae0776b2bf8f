#pragma once

#include <string>
#include <vector>

#include "intersect.h"
#include "model/analysisfacts.h"

namespace oltrave {

// One row of the analysis as the panel, the analyse command and the worksheet
// show it, in the language chosen at start-up.
struct AnalysisRow {
    std::string name;
    std::string value;

    // "Name : value"
    std::string text() const { return name + " : " + value; }
};

// The thirteen rows in their fixed order.
std::vector<AnalysisRow> analysisRows(const Analysis& analysis);

// Where two curves meet: "( X , Y )" rows ascending in x, then the stretches
// on which they coincide; one row when they are the same curve.
std::vector<std::string> intersectionRows(const Intersections& meeting);

// A number as the list writes it: in closed form when it has one.
std::string numberText(const Real& number);

// The double nearest a number: its exact value's when it has one.
double nearestDouble(const Real& number);

} // namespace oltrave
