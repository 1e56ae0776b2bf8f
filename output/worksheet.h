#pragma once

#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

#include "overlay/keypoints.h"

class QIODevice;
class QPainter;
class QRectF;

namespace oltrave {

class CurveRecorder;
class Form;

// One page for a class: the formula as its title, the plot with its axes and
// a note on its scale, and every result line.
struct Worksheet {
    QString heading; // the program's name, above the title
    QString title;
    QString scaleNote;
    QStringList lines;
    const CurveRecorder* drawing = nullptr;
    QSize plotShape;                 // the plotting area's proportions
    QColor background;               // of the plot
    QColor ink;                      // of the axes
    std::vector<MarkInstance> marks; // over the plot, as the plotting area draws them
    double zoom = 0;                 // the plot shows -zoom to zoom both ways
    bool grid = false;               // a grid with labelled ticks under the plot
    bool piTicks = false;            // the x ticks in multiples of π
};

// How the plot sits on the page: as the plotting area shows it.
struct SheetLook {
    QString heading;
    QSize plotShape;
    QColor background;
    QColor ink;
};

// The worksheet of the form's session: its first line (the formula of the
// first plot) as the title, the formula label while there is none, and every
// line; the drawing and the marks as the plot shows them.
Worksheet sessionWorksheet(const Form& form, const CurveRecorder& drawing, const SheetLook& look,
                           std::vector<MarkInstance> marks);

// Lays the worksheet out on a page of the painter's device; page is the
// printable rectangle in device units.
void paintWorksheet(QPainter& painter, const QRectF& page, const Worksheet& sheet);

// Writes the worksheet as a one-page A4 PDF. False when it could not be written.
bool writeWorksheetPdf(QIODevice& device, const Worksheet& sheet);

// "each axis from -10 to 10", for the zoom as the list writes it.
QString scaleNote(const QString& zoom);

} // namespace oltrave
