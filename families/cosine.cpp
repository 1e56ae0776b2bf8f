#include "families.h"

namespace oltrave {

// Not built yet: draws and lists nothing.
void plotCosine(PlotContext& /*context*/) {}

} // namespace oltrave
