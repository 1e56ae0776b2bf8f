#pragma once

#include <array>
#include <string>
#include <vector>

#include "drawncurve.h"
#include "familytable.h"
#include "plotcontext.h"
#include "redrawncurves.h"
#include "session.h"

namespace oltrave {

// What the plotting area holds since it was last cleared, in drawing order:
// drawing these again gives the same picture, stroke for stroke.
struct AreaStroke {
    enum class Kind { Axes, Curve };
    Kind kind = Kind::Axes;
    double zoom = 0;
    DrawnCurve curve; // a Curve's

    bool operator==(const AreaStroke& other) const {
        return kind == other.kind && zoom == other.zoom && curve == other.curve;
    }
};

// Everything of the form that a command can change, apart from what the
// session and the area hold: an undo step keeps one, a session file too.
struct FormState {
    int family = 0;
    std::array<std::string, kBoxCount> boxes;
    std::array<bool, kBoxCount> boxVisible{true, true, true, true};
    std::array<std::string, kBoxCount> captions;
    std::string formula;
    bool modesEnabled = true;
    AbsMode absmode = AbsMode::Plain;
    std::string xText;
    std::string zoomText;
    Coefficients coef{};
    ExactCoefficients exactCoef;
    double zoom = 0;
    bool plotted = false;
    PeriodicValues periodic;
    RedrawnCurves redrawn;
    Status status = Status::Ok;
};

} // namespace oltrave
