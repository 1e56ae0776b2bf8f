#include "plotpainter.h"

#include <QPainter>
#include <QPolygonF>

#include "curverecorder.h"
#include "gridpainter.h"

namespace oltrave {

void paintPlot(QPainter& painter, const QRectF& target, const CurveRecorder& drawing,
               const QColor& background, const QColor& ink, qreal lineWidth, const PlotGrid* grid) {
    const auto at = [&target](const ViewPoint& p) {
        return QPointF(target.left() + p.u * target.width(), target.top() + p.v * target.height());
    };
    painter.save();
    painter.fillRect(target, background);
    painter.setClipRect(target);
    painter.setRenderHint(QPainter::Antialiasing);
    if (grid)
        paintGrid(painter, target, *grid);

    painter.setPen(QPen(ink, lineWidth));
    for (const CurveRecorder::Segment& segment : drawing.segments())
        painter.drawLine(at(segment.from), at(segment.to));

    for (const CurveRecorder::Polyline& polyline : drawing.polylines()) {
        const Colour c = polyline.colour;
        QPen pen(QColor(c.red(), c.green(), c.blue()), lineWidth, Qt::SolidLine, Qt::RoundCap,
                 Qt::RoundJoin);
        painter.setPen(pen);
        QPolygonF points;
        points.reserve(static_cast<qsizetype>(polyline.points.size()));
        for (const ViewPoint& p : polyline.points)
            points << at(p);
        if (points.size() == 1)
            painter.drawPoint(points.front());
        else
            painter.drawPolyline(points);
    }
    painter.restore();
}

} // namespace oltrave
