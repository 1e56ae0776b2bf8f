#include "worksheet.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "model/form.h"
#include "model/numtext.h"
#include "overlay/ticks.h"

namespace oltrave {

namespace {

constexpr qreal kMarginMm = 15;

} // namespace

QString scaleNote(const QString& zoom) {
    QString negative = zoom.startsWith(QLatin1Char('-')) ? zoom.mid(1) : QLatin1Char('-') + zoom;
    return QCoreApplication::translate("Worksheet", "each axis from %1 to %2").arg(negative, zoom);
}

Worksheet sessionWorksheet(const Form& form, const CurveRecorder& drawing, const SheetLook& look,
                           std::vector<MarkInstance> marks) {
    const std::vector<SessionLine>& lines = form.session().lines();
    Worksheet sheet;
    sheet.heading = look.heading;
    if (lines.empty()) {
        const std::string_view label = form.formulaLabel();
        sheet.title = QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()));
    } else {
        sheet.title = QString::fromStdString(lines.front().text);
    }
    sheet.scaleNote = scaleNote(QString::fromStdString(numtext(form.zoom())));
    sheet.lines.reserve(static_cast<qsizetype>(lines.size()));
    for (const SessionLine& line : lines)
        sheet.lines << QString::fromStdString(line.text);
    sheet.drawing = &drawing;
    sheet.plotShape = look.plotShape;
    sheet.background = look.background;
    sheet.ink = look.ink;
    sheet.marks = std::move(marks);
    sheet.zoom = form.zoom();
    sheet.grid = true; // a printed plot is read off the page
    sheet.piTicks = periodicOnly(form.drawnCurves());
    return sheet;
}

QPageLayout worksheetPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}

bool writeWorksheetPdf(QIODevice& device, const Worksheet& sheet) {
    QPdfWriter pdf(&device);
    pdf.setTitle(sheet.title);
    pdf.setCreator(sheet.heading);
    pdf.setPageLayout(worksheetPageLayout());
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    const QRect page = pdf.pageLayout().paintRectPixels(pdf.resolution());
    const bool painted = paintWorksheet(painter, pdf, QRectF(QPointF(0, 0), page.size()), sheet);
    return painter.end() && painted;
}

} // namespace oltrave
