#include "families.h"

namespace oltrave {

// Not built yet: draws and lists nothing.
void plotLogarithmic(PlotContext& /*context*/) {}

} // namespace oltrave
