#include "markpainter.h"

#include <QPainter>
#include <QPen>
#include <QVector>

namespace oltrave {

void paintMarks(QPainter& painter, const QRectF& area, const std::vector<MarkInstance>& marks,
                const std::vector<CanvasPoint>& stretches, const PlaneToDevice& toDevice,
                double unit) {
    using namespace markstyle;
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
        painter.setPen(QPen(highlighted ? kHighlight : kLine,
                            (highlighted ? kHighlightLineWidth : kLineWidth) * unit, Qt::DashLine));
        painter.drawLines(lines);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kPointEdge, unit));
    for (const MarkInstance& mark : marks) {
        if (mark.shape != MarkShape::Point)
            continue;
        const double r = (mark.highlighted ? kHighlightRadius : kPointRadius) * unit;
        painter.setBrush(mark.highlighted ? kHighlight : kPoint);
        painter.drawEllipse(toDevice(static_cast<float>(mark.x), static_cast<float>(mark.y)), r, r);
    }
    painter.restore();
}

} // namespace oltrave
