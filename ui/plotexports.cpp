#include "plotexports.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QStandardPaths>

#include "output/svgwriter.h"
#include "output/worksheet.h"
#include "platform/appearance.h"
#include "platform/canvaswidget.h"
#include "platform/imageformat.h"
#include "platform/savefile.h"
#include "plotrecording.h"
#include "programname.h"
#include "sheetprinting.h"

namespace oltrave {

PlotExports::PlotExports(QWidget& window, const Form& form, PlotRecording& recording,
                         CanvasWidget& area)
    : QObject(&window), window_(window), form_(form), recording_(recording), area_(area) {}

void PlotExports::saveImage() {
    QFileDialog dialog(&window_, tr("Save Image"));
    dialog.setNameFilters(imageNameFilters());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    dialog.setDirectory(QDir(pictures).exists() ? pictures : QDir::homePath());
    dialog.selectFile(QStringLiteral("plot.png"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    const QString error = area_.saveImage(path);
    if (!error.isEmpty())
        QMessageBox::warning(&window_, tr("Save Image"),
                             tr("The image could not be written.\n%1").arg(error));
}

// Empty when the person cancels.
QString PlotExports::askSavePath(const QString& title, const QString& filter,
                                 const QString& fileName) {
    QFileDialog dialog(&window_, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QFileInfo(fileName).suffix());
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    dialog.setDirectory(QDir(documents).exists() ? documents : QDir::homePath());
    dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void PlotExports::reportSaveError(const QString& title, const QString& error) {
    if (!error.isEmpty())
        QMessageBox::warning(&window_, title, tr("The file could not be written.\n%1").arg(error));
}

// The plot as the plotting area shows it, with its marks.
Worksheet PlotExports::worksheet() {
    const CurveRecorder& drawing = recording_.upToDate(form_);
    return sessionWorksheet(form_, drawing,
                            {programName(), area_.contentsRect().size(), menuBarColour(),
                             area_.palette().color(QPalette::WindowText)},
                            area_.marks());
}

void PlotExports::exportWorksheet() {
    const QString title = tr("Export Worksheet");
    const QString path =
        askSavePath(title, tr("PDF document (*.pdf)"), QStringLiteral("worksheet.pdf"));
    if (path.isEmpty())
        return;
    const Worksheet sheet = worksheet();
    reportSaveError(title, saveFile(path, [&sheet](QIODevice& device, QString&) {
                        return writeWorksheetPdf(device, sheet);
                    }));
}

void PlotExports::exportSvg() {
    const QString title = tr("Export SVG");
    const QString path = askSavePath(title, tr("SVG image (*.svg)"), QStringLiteral("plot.svg"));
    if (path.isEmpty())
        return;
    const CurveRecorder& drawing = recording_.upToDate(form_);
    const QSize size = area_.contentsRect().size();
    const QColor ink = area_.palette().color(QPalette::WindowText);
    reportSaveError(title, saveFile(path, [&](QIODevice& device, QString&) {
                        return writeSvg(device, drawing, size, menuBarColour(), ink, area_.marks());
                    }));
}

// The worksheet as it is now: later lines do not change what is printed.
PagePainter PlotExports::worksheetPages() {
    return [sheet = worksheet()](QPainter& painter, QPagedPaintDevice& device, const QRectF& page) {
        return paintWorksheet(painter, device, page, sheet);
    };
}

void PlotExports::printWorksheet() {
    printDocument(window_, tr("Print Worksheet"), worksheetPages());
}

void PlotExports::previewWorksheet() {
    previewDocument(window_, tr("Print Preview"), worksheetPages());
}

} // namespace oltrave
