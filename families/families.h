#pragma once

#include "model/plotcontext.h"

namespace oltrave {

// A family's branch of the plot command: samples its curve, appends its lines
// and reports a completed plot through the context.
using FamilyBranch = void (*)(PlotContext& context);

void plotLinear(PlotContext& context);
void plotQuadratic(PlotContext& context);
void plotCubic(PlotContext& context);
void plotSine(PlotContext& context);
void plotCosine(PlotContext& context);
void plotTangent(PlotContext& context);
void plotExponential(PlotContext& context);
void plotLogarithmic(PlotContext& context);

// The branch of a family number; nothing outside the chooser's list.
FamilyBranch familyBranch(int family);

} // namespace oltrave
