#include "svgwriter.h"

#include <QIODevice>
#include <QXmlStreamWriter>

#include "curverecorder.h"
#include "gridpainter.h"
#include "markpainter.h"

namespace oltrave {

namespace {

// Hundredths of a pixel: finer than any screen, and a curve stays small.
QString coordinate(double value) {
    return QString::number(value, 'f', 2);
}

QString colourName(Colour colour) {
    return QColor(colour.red(), colour.green(), colour.blue()).name();
}

// The marks as the plotting area's layer paints them: dashed lines from edge
// to edge, then the dots above them.
void writeMarks(QXmlStreamWriter& svg, const CurveRecorder& drawing, const QSize& size,
                const std::vector<MarkInstance>& marks) {
    using namespace markstyle;
    svg.writeStartElement(QStringLiteral("g"));
    svg.writeAttribute(QStringLiteral("id"), QStringLiteral("marks"));
    const auto at = [&drawing, &size](const MarkInstance& mark) {
        const ViewPoint p = drawing.toView(mark.x, mark.y);
        return QPointF(p.u * size.width(), p.v * size.height());
    };
    for (const MarkInstance& mark : marks) {
        if (mark.shape == MarkShape::Point)
            continue;
        const QPointF p = at(mark);
        const bool vertical = mark.shape == MarkShape::Vertical;
        const int width = mark.highlighted ? kHighlightLineWidth : kLineWidth;
        svg.writeEmptyElement(QStringLiteral("line"));
        svg.writeAttribute(QStringLiteral("x1"), coordinate(vertical ? p.x() : 0));
        svg.writeAttribute(QStringLiteral("y1"), coordinate(vertical ? 0 : p.y()));
        svg.writeAttribute(QStringLiteral("x2"), coordinate(vertical ? p.x() : size.width()));
        svg.writeAttribute(QStringLiteral("y2"), coordinate(vertical ? size.height() : p.y()));
        svg.writeAttribute(QStringLiteral("stroke"),
                           (mark.highlighted ? kHighlight : kLine).name());
        svg.writeAttribute(QStringLiteral("stroke-width"), QString::number(width));
        svg.writeAttribute(QStringLiteral("stroke-dasharray"),
                           QStringLiteral("%1 %2").arg(kDash * width).arg(kDashGap * width));
    }
    for (const MarkInstance& mark : marks) {
        if (mark.shape != MarkShape::Point)
            continue;
        const QPointF p = at(mark);
        svg.writeEmptyElement(QStringLiteral("circle"));
        svg.writeAttribute(QStringLiteral("cx"), coordinate(p.x()));
        svg.writeAttribute(QStringLiteral("cy"), coordinate(p.y()));
        svg.writeAttribute(QStringLiteral("r"),
                           QString::number(mark.highlighted ? kHighlightRadius : kPointRadius));
        svg.writeAttribute(QStringLiteral("fill"), (mark.highlighted ? kHighlight : kPoint).name());
        svg.writeAttribute(QStringLiteral("stroke"), kPointEdge.name());
        svg.writeAttribute(QStringLiteral("stroke-width"), QString::number(kLineWidth));
    }
    svg.writeEndElement();
}

} // namespace

bool writeSvg(QIODevice& device, const CurveRecorder& drawing, const QSize& size,
              const QColor& background, const QColor& ink, const std::vector<MarkInstance>& marks,
              const PlotGrid* grid) {
    const double width = size.width();
    const double height = size.height();
    const auto x = [width](const ViewPoint& p) { return coordinate(p.u * width); };
    const auto y = [height](const ViewPoint& p) { return coordinate(p.v * height); };

    QXmlStreamWriter svg(&device);
    svg.setAutoFormatting(true);
    svg.writeStartDocument();
    svg.writeStartElement(QStringLiteral("svg"));
    svg.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    svg.writeAttribute(QStringLiteral("width"), QString::number(size.width()));
    svg.writeAttribute(QStringLiteral("height"), QString::number(size.height()));
    // The picture's edges cut the curves that reach beyond the view.
    svg.writeAttribute(QStringLiteral("viewBox"),
                       QStringLiteral("0 0 %1 %2").arg(size.width()).arg(size.height()));

    svg.writeEmptyElement(QStringLiteral("rect"));
    svg.writeAttribute(QStringLiteral("width"), QString::number(size.width()));
    svg.writeAttribute(QStringLiteral("height"), QString::number(size.height()));
    svg.writeAttribute(QStringLiteral("fill"), background.name());
    if (grid)
        writeSvgGrid(svg, *grid);

    svg.writeStartElement(QStringLiteral("g"));
    svg.writeAttribute(QStringLiteral("id"), QStringLiteral("axes"));
    svg.writeAttribute(QStringLiteral("stroke"), ink.name());
    svg.writeAttribute(QStringLiteral("stroke-width"), QStringLiteral("1"));
    for (const CurveRecorder::Segment& segment : drawing.segments()) {
        svg.writeEmptyElement(QStringLiteral("line"));
        svg.writeAttribute(QStringLiteral("x1"), x(segment.from));
        svg.writeAttribute(QStringLiteral("y1"), y(segment.from));
        svg.writeAttribute(QStringLiteral("x2"), x(segment.to));
        svg.writeAttribute(QStringLiteral("y2"), y(segment.to));
    }
    svg.writeEndElement();

    svg.writeStartElement(QStringLiteral("g"));
    svg.writeAttribute(QStringLiteral("id"), QStringLiteral("curves"));
    svg.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
    svg.writeAttribute(QStringLiteral("stroke-width"), QStringLiteral("1"));
    svg.writeAttribute(QStringLiteral("stroke-linejoin"), QStringLiteral("round"));
    for (const CurveRecorder::Polyline& polyline : drawing.polylines()) {
        const QString colour = colourName(polyline.colour);
        if (polyline.points.size() == 1) {
            svg.writeEmptyElement(QStringLiteral("circle"));
            svg.writeAttribute(QStringLiteral("cx"), x(polyline.points.front()));
            svg.writeAttribute(QStringLiteral("cy"), y(polyline.points.front()));
            svg.writeAttribute(QStringLiteral("r"), QStringLiteral("0.5"));
            svg.writeAttribute(QStringLiteral("fill"), colour);
            continue;
        }
        QString points;
        points.reserve(static_cast<qsizetype>(polyline.points.size()) * 14);
        for (const ViewPoint& p : polyline.points) {
            if (!points.isEmpty())
                points += QLatin1Char(' ');
            points += x(p) + QLatin1Char(',') + y(p);
        }
        svg.writeEmptyElement(QStringLiteral("polyline"));
        svg.writeAttribute(QStringLiteral("stroke"), colour);
        svg.writeAttribute(QStringLiteral("points"), points);
    }
    svg.writeEndElement();

    if (!marks.empty())
        writeMarks(svg, drawing, size, marks);

    svg.writeEndElement();
    svg.writeEndDocument();
    return !svg.hasError();
}

} // namespace oltrave
