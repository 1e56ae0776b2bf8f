#pragma once

class QWidget;

namespace oltrave {

class PlotView;

// The plot window's File > Export PNG and Export SVG: asks where and, for a
// PNG, at what size (the view's at first); the view is drawn afresh at that
// size, the same region of the plane filling it.
void exportPlotPicture(QWidget& parent, const PlotView& plot, bool svg);

} // namespace oltrave
