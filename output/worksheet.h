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
};

// Lays the worksheet out on a page of the painter's device; page is the
// printable rectangle in device units.
void paintWorksheet(QPainter& painter, const QRectF& page, const Worksheet& sheet);

// Writes the worksheet as a one-page A4 PDF. False when it could not be written.
bool writeWorksheetPdf(QIODevice& device, const Worksheet& sheet);

// "each axis from -10 to 10", for the zoom as the list writes it.
QString scaleNote(const QString& zoom);

} // namespace oltrave
