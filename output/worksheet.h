#pragma once

#include <QColor>
#include <QPageLayout>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

#include "overlay/keypoints.h"

class QIODevice;
class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace oltrave {

class CurveRecorder;
class Form;

// One row of the table under the list: a property and its value.
struct SheetRow {
    QString name;
    QString value;
};

// Pages for a class: the formula as its title, the plot with its axes and a
// note on its scale, then every result line and the table, on as many pages
// as they need.
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
    std::vector<SheetRow> table;     // after the lines, when asked for
    bool fields = false;             // Name, Class and Date to fill in, above the title
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
// line; the drawing and the marks as the plot shows them, over a grid with
// labelled ticks.
Worksheet sessionWorksheet(const Form& form, const CurveRecorder& drawing, const SheetLook& look,
                           std::vector<MarkInstance> marks);

// Lays the worksheet out on the pages of the painter's device, starting a new
// page as it needs; page is the printable rectangle in device units. False
// when the device refused a new page.
bool paintWorksheet(QPainter& painter, QPagedPaintDevice& device, const QRectF& page,
                    const Worksheet& sheet);

// The worksheet's PDF pages: A4, margins of 15 mm. Also the layout a printer
// starts from.
QPageLayout worksheetPageLayout();

// Writes the worksheet as an A4 PDF. False when it could not be written.
bool writeWorksheetPdf(QIODevice& device, const Worksheet& sheet);

// "each axis from -10 to 10", for the zoom as the list writes it.
QString scaleNote(const QString& zoom);

} // namespace oltrave
