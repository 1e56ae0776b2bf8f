#include "families.h"

namespace oltrave {

// Not built yet: draws and lists nothing.
void plotTangent(PlotContext& /*context*/) {}

} // namespace oltrave
