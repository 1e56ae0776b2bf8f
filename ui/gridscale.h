#pragma once

class QMenu;

namespace oltrave {

class CanvasWidget;

// View > Grid and Scale: a grid with labelled ticks under the plotting area's
// drawing. Off at first, so the area keeps its plain look.
namespace gridscale {
void install(CanvasWidget& area, QMenu& view);
} // namespace gridscale

} // namespace oltrave
