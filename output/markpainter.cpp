#include "markpainter.h"

#include <QPainter>
#include <QPen>
#include <QVector>

namespace oltrave {

namespace {

void paintAll(QPainter& painter, const QRectF& area, const std::vector<MarkInstance>& marks,
              const std::vector<CanvasPoint>& stretches, const PlaneToDevice& toDevice, double unit,
              const QColor& pointColour, const QColor& lineColour) {
    using markstyle::kHighlight, markstyle::kHighlightLineWidth, markstyle::kHighlightRadius,
        markstyle::kLineWidth, markstyle::kPointEdge, markstyle::kPointRadius,
        markstyle::kStretchRadius;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(area);

    if (!stretches.empty()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kHighlight);
        for (const CanvasPoint& p : stretches)
            painter.drawEllipse(toDevice(p.x, p.y), kStretchRadius * unit, kStretchRadius * unit);
    }

    // Axis-parallel dashed lines need no smoothing; one call per pen.
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const bool highlighted : {false, true}) {
        QVector<QLineF> lines;
        for (const MarkInstance& mark : marks) {
            if (mark.shape == MarkShape::Point || mark.highlighted != highlighted)
                continue;
            const QPointF at = toDevice(static_cast<float>(mark.x), static_cast<float>(mark.y));
            if (mark.shape == MarkShape::Vertical)
                lines.append({QPointF(at.x(), area.top()), QPointF(at.x(), area.bottom())});
            else
                lines.append({QPointF(area.left(), at.y()), QPointF(area.right(), at.y())});
        }
        painter.setPen(QPen(highlighted ? kHighlight : lineColour,
                            (highlighted ? kHighlightLineWidth : kLineWidth) * unit, Qt::DashLine));
        painter.drawLines(lines);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kPointEdge, unit));
    for (const MarkInstance& mark : marks) {
        if (mark.shape != MarkShape::Point)
            continue;
        const double r = (mark.highlighted ? kHighlightRadius : kPointRadius) * unit;
        painter.setBrush(mark.highlighted ? kHighlight : pointColour);
        painter.drawEllipse(toDevice(static_cast<float>(mark.x), static_cast<float>(mark.y)), r, r);
    }
    painter.restore();
}

} // namespace

void paintMarks(QPainter& painter, const QRectF& area, const std::vector<MarkInstance>& marks,
                const std::vector<CanvasPoint>& stretches, const PlaneToDevice& toDevice,
                double unit) {
    paintAll(painter, area, marks, stretches, toDevice, unit, markstyle::kPoint, markstyle::kLine);
}

void paintMarksInColour(QPainter& painter, const QRectF& area,
                        const std::vector<MarkInstance>& marks, const PlaneToDevice& toDevice,
                        double unit, const QColor& colour) {
    paintAll(painter, area, marks, {}, toDevice, unit, colour, colour);
}

} // namespace oltrave
