#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>

#include "overlay/ticks.h"

class QPainter;
class QXmlStreamWriter;

namespace oltrave {

// The part of the plane a picture shows.
struct PlaneRect {
    double left = -10, right = 10, bottom = -10, top = 10;
};

// A grid and labelled ticks for a picture: where its lines and labels go.
struct PlotGrid {
    PlaneRect plane;
    QSizeF size;
    AxisTicks x;
    AxisTicks y;
    QFont font;

    // Where a label's text sits (its box in the picture), beside its tick:
    // under the x axis, left of the y axis, kept inside the picture when the
    // axis is off it.
    QRectF xLabelBox(const Tick& tick) const;
    QRectF yLabelBox(const Tick& tick) const;
    double xPixel(double x) const;
    double yPixel(double y) const;
};

// The grid for size pixels showing plane; x ticks in π when pi.
PlotGrid plotGrid(const PlaneRect& plane, const QSizeF& size, bool pi);

namespace gridstyle {
inline const QColor kLine(0xD8, 0xD8, 0xD8);
inline const QColor kLabel(0x40, 0x40, 0x40);
} // namespace gridstyle

// The colour of the index-th curve of a plot with several: the plotting
// area's colour first, then the Okabe-Ito colours, told apart by people
// with any common colour blindness; round again after the last.
QColor curvePaletteColour(int index);

// The grid's lines, then its labels, into target.
void paintGrid(QPainter& painter, const QRectF& target, const PlotGrid& grid);

// The same as an SVG group of lines and texts.
void writeSvgGrid(QXmlStreamWriter& svg, const PlotGrid& grid);

} // namespace oltrave
