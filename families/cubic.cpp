#include "families.h"

namespace oltrave {

// Not built yet: draws and lists nothing.
void plotCubic(PlotContext& /*context*/) {}

} // namespace oltrave
