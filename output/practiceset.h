#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "worksheet.h"

class QIODevice;
class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace oltrave {

class CurveRecorder;

// One exercise: its formula, the grid's reach, the questions, and on the
// answer pages the analysis's rows beside a small plot of the curve.
struct PracticeItem {
    QString formula;
    double reach = 10;
    QStringList questions;
    std::vector<SheetRow> answers;
    const CurveRecorder* drawing = nullptr; // drawn from -reach to reach both ways
};

struct PracticeSet {
    QString heading; // the program's name
    QString title;   // with the seed, so the set can be made again
    std::vector<PracticeItem> items;
};

// "Practice Set (seed 42)": the seed makes the same set again.
QString practiceTitle(quint64 seed);

// The questions asked of every function, with its period where it has one.
QStringList practiceQuestions(bool periodic);

// The exercises, three to a page, then the answers on pages of their own.
// False when the device refused a new page.
bool paintPracticeSet(QPainter& painter, QPagedPaintDevice& device, const QRectF& page,
                      const PracticeSet& set);

// As an A4 PDF, margins of 15 mm. False when it could not be written.
bool writePracticeSetPdf(QIODevice& device, const PracticeSet& set);

} // namespace oltrave
