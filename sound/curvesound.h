#pragma once

#include <optional>

#include "model/drawncurve.h"
#include "sweep.h"

namespace oltrave {
class Form;
}

namespace oltrave::sound {

// The curve the form has plotted and would evaluate now; nothing when no
// curve is plotted.
std::optional<DrawnCurve> plottedCurve(const Form& form);

// The sweep of a curve across the view from -zoom to zoom, with its zeros,
// extrema and asymptotes cued.
Samples renderCurve(const DrawnCurve& curve, double zoom);

// The cue the sweep of the curve gives at x, in the curve's mode: a zero
// before an extremum before an asymptote; nothing between key points.
std::optional<CueKind> cueAt(const DrawnCurve& curve, double zoom, double x);

} // namespace oltrave::sound
