#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <functional>
#include <vector>

#include "model/canvas.h"
#include "overlay/keypoints.h"

class QPainter;

namespace oltrave {

// How the marks of the key points look, in logical pixels of the plotting area.
namespace markstyle {
inline const QColor kPoint(178, 34, 34);
inline const QColor kLine(70, 70, 70);
inline const QColor kHighlight(255, 128, 0);
inline const QColor kPointEdge(Qt::white);
constexpr double kPointRadius = 3;
constexpr double kHighlightRadius = 5;
constexpr double kStretchRadius = 1.5;
constexpr int kLineWidth = 1;
constexpr int kHighlightLineWidth = 2;
// Qt's dashed pen: four widths drawn, two left out.
constexpr int kDash = 4;
constexpr int kDashGap = 2;
} // namespace markstyle

// Where a point of the plane lies on the painter's device.
using PlaneToDevice = std::function<QPointF(float x, float y)>;

// Paints the marks and the highlighted stretches over a plot that fills area:
// dots, and dashed lines from edge to edge. unit is the device size of one
// logical pixel of the plotting area. The window's layer, a rendered picture
// and a worksheet all paint them here.
void paintMarks(QPainter& painter, const QRectF& area, const std::vector<MarkInstance>& marks,
                const std::vector<CanvasPoint>& stretches, const PlaneToDevice& toDevice,
                double unit);

// The same marks, no stretches, dots and lines in one curve's colour.
void paintMarksInColour(QPainter& painter, const QRectF& area,
                        const std::vector<MarkInstance>& marks, const PlaneToDevice& toDevice,
                        double unit, const QColor& colour);

} // namespace oltrave
