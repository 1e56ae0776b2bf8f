#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

namespace oltrave {

class CurveRecorder;
struct PlotGrid;

// Paints a recorded drawing into target, as vectors: the background, the
// lines, then the curves, all cut at target's edges. lineWidth is in the
// painter's units. A grid, when given, goes under the lines.
void paintPlot(QPainter& painter, const QRectF& target, const CurveRecorder& drawing,
               const QColor& background, const QColor& ink, qreal lineWidth,
               const PlotGrid* grid = nullptr);

} // namespace oltrave
