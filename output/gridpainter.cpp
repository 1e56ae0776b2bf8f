#include "gridpainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QXmlStreamWriter>
#include <algorithm>

namespace oltrave {

namespace {

constexpr int kFontPixels = 11;
constexpr double kLabelMargin = 3;

QString coordinate(double value) {
    return QString::number(value, 'f', 2);
}

} // namespace

QColor curvePaletteColour(int index) {
    static const QColor kPalette[] = {
        QColor(146, 137, 249),    QColor(0xE6, 0x9F, 0x00), QColor(0x00, 0x9E, 0x73),
        QColor(0x00, 0x72, 0xB2), QColor(0xD5, 0x5E, 0x00), QColor(0xCC, 0x79, 0xA7),
        QColor(0x56, 0xB4, 0xE9), QColor(0x00, 0x00, 0x00),
    };
    const int count = static_cast<int>(std::size(kPalette));
    return kPalette[((index % count) + count) % count];
}

double PlotGrid::xPixel(double x) const {
    return (x - plane.left) / (plane.right - plane.left) * size.width();
}

double PlotGrid::yPixel(double y) const {
    return (plane.top - y) / (plane.top - plane.bottom) * size.height();
}

QRectF PlotGrid::xLabelBox(const Tick& tick) const {
    const QFontMetricsF metrics(font);
    const QString text = QString::fromStdString(tick.label);
    const double width = metrics.horizontalAdvance(text);
    const double height = metrics.height();
    const double axis = std::clamp(yPixel(0), 0.0, size.height() - height - kLabelMargin);
    return {tick.pixel - width / 2, axis + kLabelMargin, width, height};
}

QRectF PlotGrid::yLabelBox(const Tick& tick) const {
    const QFontMetricsF metrics(font);
    const QString text = QString::fromStdString(tick.label);
    const double width = metrics.horizontalAdvance(text);
    const double height = metrics.height();
    const double axis = std::clamp(xPixel(0), width + kLabelMargin, size.width());
    const double centre = size.height() - tick.pixel;
    return {axis - kLabelMargin - width, centre - height / 2, width, height};
}

PlotGrid plotGrid(const PlaneRect& plane, const QSizeF& size, bool pi) {
    PlotGrid grid;
    grid.plane = plane;
    grid.size = size;
    grid.font.setPixelSize(kFontPixels);
    const QFontMetricsF metrics(grid.font);
    const auto wide = [&metrics](const std::string& label) {
        return metrics.horizontalAdvance(QString::fromStdString(label));
    };
    const double tall = metrics.height();
    grid.x = placeTicks(plane.left, plane.right, size.width(), pi, wide);
    grid.y = placeTicks(plane.bottom, plane.top, size.height(), false,
                        [tall](const std::string&) { return tall; });
    // The origin is labelled once, under the x axis.
    for (Tick& tick : grid.y.ticks)
        if (tick.value == 0)
            tick.label.clear();
    return grid;
}

void paintGrid(QPainter& painter, const QRectF& target, const PlotGrid& grid) {
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / grid.size.width(), target.height() / grid.size.height());
    painter.setPen(QPen(gridstyle::kLine, 0));
    for (const Tick& t : grid.x.ticks)
        painter.drawLine(QPointF(t.pixel, 0), QPointF(t.pixel, grid.size.height()));
    for (const Tick& t : grid.y.ticks) {
        const double y = grid.size.height() - t.pixel;
        painter.drawLine(QPointF(0, y), QPointF(grid.size.width(), y));
    }
    painter.setFont(grid.font);
    painter.setPen(gridstyle::kLabel);
    for (const Tick& t : grid.x.ticks)
        if (!t.label.empty())
            painter.drawText(grid.xLabelBox(t), Qt::AlignCenter, QString::fromStdString(t.label));
    for (const Tick& t : grid.y.ticks)
        if (!t.label.empty())
            painter.drawText(grid.yLabelBox(t), Qt::AlignRight | Qt::AlignVCenter,
                             QString::fromStdString(t.label));
    painter.restore();
}

void writeSvgGrid(QXmlStreamWriter& svg, const PlotGrid& grid) {
    svg.writeStartElement(QStringLiteral("g"));
    svg.writeAttribute(QStringLiteral("id"), QStringLiteral("grid"));
    svg.writeAttribute(QStringLiteral("stroke"), gridstyle::kLine.name());
    svg.writeAttribute(QStringLiteral("stroke-width"), QStringLiteral("1"));
    const auto line = [&svg](double x1, double y1, double x2, double y2) {
        svg.writeEmptyElement(QStringLiteral("line"));
        svg.writeAttribute(QStringLiteral("x1"), coordinate(x1));
        svg.writeAttribute(QStringLiteral("y1"), coordinate(y1));
        svg.writeAttribute(QStringLiteral("x2"), coordinate(x2));
        svg.writeAttribute(QStringLiteral("y2"), coordinate(y2));
    };
    for (const Tick& t : grid.x.ticks)
        line(t.pixel, 0, t.pixel, grid.size.height());
    for (const Tick& t : grid.y.ticks)
        line(0, grid.size.height() - t.pixel, grid.size.width(), grid.size.height() - t.pixel);
    svg.writeEndElement();

    svg.writeStartElement(QStringLiteral("g"));
    svg.writeAttribute(QStringLiteral("id"), QStringLiteral("labels"));
    svg.writeAttribute(QStringLiteral("fill"), gridstyle::kLabel.name());
    svg.writeAttribute(QStringLiteral("font-family"), QStringLiteral("sans-serif"));
    svg.writeAttribute(QStringLiteral("font-size"), QString::number(grid.font.pixelSize()));
    const QFontMetricsF metrics(grid.font);
    const auto text = [&](const QRectF& box, const std::string& label, const QString& anchor,
                          double x) {
        svg.writeStartElement(QStringLiteral("text"));
        svg.writeAttribute(QStringLiteral("x"), coordinate(x));
        svg.writeAttribute(QStringLiteral("y"), coordinate(box.top() + metrics.ascent()));
        svg.writeAttribute(QStringLiteral("text-anchor"), anchor);
        svg.writeCharacters(QString::fromStdString(label));
        svg.writeEndElement();
    };
    for (const Tick& t : grid.x.ticks)
        if (!t.label.empty()) {
            const QRectF box = grid.xLabelBox(t);
            text(box, t.label, QStringLiteral("middle"), box.center().x());
        }
    for (const Tick& t : grid.y.ticks)
        if (!t.label.empty()) {
            const QRectF box = grid.yLabelBox(t);
            text(box, t.label, QStringLiteral("end"), box.right());
        }
    svg.writeEndElement();
}

} // namespace oltrave
