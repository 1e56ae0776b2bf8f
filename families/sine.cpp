#include "families.h"

namespace oltrave {

// Not built yet: draws and lists nothing.
void plotSine(PlotContext& /*context*/) {}

} // namespace oltrave
