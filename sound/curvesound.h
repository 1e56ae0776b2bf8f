#pragma once

#include <array>
#include <optional>

#include "sweep.h"

namespace oltrave {
class Form;
}

namespace oltrave::sound {

// What a sweep needs to know of a plotted curve.
struct PlottedCurve {
    int family = 0;
    int mode = 0;
    std::array<double, 4> coef{};
    double zoom = 0;
};

// The curve the form has plotted and would evaluate now; nothing when no
// curve is plotted.
std::optional<PlottedCurve> plottedCurve(const Form& form);

// The sweep of a plotted curve, with its zeros, extrema and asymptotes cued.
Samples renderCurve(const PlottedCurve& curve);

// The cue the sweep sounds at x, when x is one of the curve's key points; a
// zero before an extremum before an asymptote where one x is several.
std::optional<CueKind> cueAt(const PlottedCurve& curve, double x);

} // namespace oltrave::sound
