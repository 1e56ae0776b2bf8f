#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

namespace oltrave {

class CurveRecorder;

// Paints a recorded drawing into target, as vectors: the background, the
// lines, then the curves, all cut at target's edges. lineWidth is in the
// painter's units.
void paintPlot(QPainter& painter, const QRectF& target, const CurveRecorder& drawing,
               const QColor& background, const QColor& ink, qreal lineWidth);

} // namespace oltrave
