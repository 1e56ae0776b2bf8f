#pragma once

#include <QObject>

#include "sheetprinting.h"

class QWidget;

namespace oltrave {

class CanvasWidget;
class Form;
class PlotRecording;
struct Worksheet;

// Save Image, Export Worksheet, Export SVG, Print Worksheet and its preview: each asks
// where, writes what the plotting area and the list show, and says when it
// could not.
class PlotExports : public QObject {
    Q_OBJECT
public:
    PlotExports(QWidget& window, const Form& form, PlotRecording& recording, CanvasWidget& area);

    void saveImage();
    void exportWorksheet();
    void exportSvg();
    void printWorksheet();
    void previewWorksheet();

private:
    QString askSavePath(const QString& title, const QString& filter, const QString& fileName);
    void reportSaveError(const QString& title, const QString& error);
    Worksheet worksheet();
    PagePainter worksheetPages();

    QWidget& window_;
    const Form& form_;
    PlotRecording& recording_;
    CanvasWidget& area_;
};

} // namespace oltrave
