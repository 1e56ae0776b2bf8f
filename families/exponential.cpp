#include "families.h"

namespace oltrave {

// Not built yet: draws and lists nothing.
void plotExponential(PlotContext& /*context*/) {}

} // namespace oltrave
