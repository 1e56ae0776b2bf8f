#include "families.h"

namespace oltrave {

// Not built yet: draws and lists nothing.
void plotQuadratic(PlotContext& /*context*/) {}

} // namespace oltrave
