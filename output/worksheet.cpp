#include "worksheet.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <optional>

#include "curverecorder.h"
#include "gridpainter.h"
#include "markpainter.h"
#include "model/form.h"
#include "model/numtext.h"
#include "overlay/ticks.h"
#include "plotpainter.h"

namespace oltrave {

namespace {

constexpr qreal kMillimetresPerInch = 25.4;
constexpr qreal kMarginMm = 15;
constexpr qreal kGapMm = 4;
constexpr qreal kPlotWidthShare = 0.85;
constexpr qreal kLineWidthMm = 0.3;
constexpr qreal kHeadingPoints = 9;
constexpr qreal kTitlePoints = 16;
constexpr qreal kNotePoints = 9;
constexpr qreal kLinePoints = 10;
const QColor kHeadingColour(0x70, 0x70, 0x70);

// Latin and Greek from the interface's face, Chinese from a face that has it.
QFont sheetFont(qreal points, QFont::Weight weight = QFont::Normal) {
    QFont font;
    font.setFamilies({QStringLiteral("Open Sans"), QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

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
    sheet.piTicks = periodicOnly(form.drawnCurves());
    return sheet;
}

void paintWorksheet(QPainter& painter, const QRectF& page, const Worksheet& sheet) {
    const qreal perMm = painter.device()->logicalDpiY() / kMillimetresPerInch;
    const qreal gap = kGapMm * perMm;
    qreal top = page.top();

    // One line of text in a font, from the top down; returns its height.
    const auto text = [&painter, &page, &top](const QString& line, const QFont& font,
                                              Qt::Alignment align = Qt::AlignLeft) {
        painter.setFont(font);
        const qreal height = QFontMetricsF(font, painter.device()).lineSpacing();
        painter.drawText(QRectF(page.left(), top, page.width(), height),
                         align | Qt::AlignVCenter | Qt::TextDontClip, line);
        top += height;
    };

    painter.save();
    painter.setPen(kHeadingColour);
    text(sheet.heading, sheetFont(kHeadingPoints));
    painter.setPen(Qt::black);
    text(sheet.title, sheetFont(kTitlePoints, QFont::DemiBold));
    top += gap;

    if (sheet.drawing && !sheet.plotShape.isEmpty()) {
        const qreal width = page.width() * kPlotWidthShare;
        const qreal height = width * sheet.plotShape.height() / sheet.plotShape.width();
        const QRectF plot(page.left() + (page.width() - width) / 2, top, width, height);
        // The grid is laid out for the plotting area's pixels, then scaled to the page.
        std::optional<PlotGrid> grid;
        if (sheet.grid && sheet.zoom > 0)
            grid = plotGrid({-sheet.zoom, sheet.zoom, -sheet.zoom, sheet.zoom},
                            QSizeF(sheet.plotShape), sheet.piTicks);
        paintPlot(painter, plot, *sheet.drawing, sheet.background, sheet.ink, kLineWidthMm * perMm,
                  grid ? &*grid : nullptr);
        const CurveRecorder& drawing = *sheet.drawing;
        const auto toPage = [&drawing, &plot](float x, float y) {
            const ViewPoint p = drawing.toView(x, y);
            return QPointF(plot.left() + p.u * plot.width(), plot.top() + p.v * plot.height());
        };
        paintMarks(painter, plot, sheet.marks, {}, toPage, width / sheet.plotShape.width());
        painter.setPen(QPen(Qt::black, kLineWidthMm * perMm));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(plot);
        top += height;
    }
    text(sheet.scaleNote, sheetFont(kNotePoints), Qt::AlignHCenter);
    top += gap;

    // Every line fits on the page: a long list gets a smaller size.
    QFont lineFont = sheetFont(kLinePoints);
    const qreal room = page.bottom() - top;
    const qreal spacing = QFontMetricsF(lineFont, painter.device()).lineSpacing();
    if (!sheet.lines.isEmpty() && spacing * sheet.lines.size() > room)
        lineFont.setPointSizeF(kLinePoints * room / (spacing * sheet.lines.size()));
    for (const QString& line : sheet.lines)
        text(line, lineFont);
    painter.restore();
}

bool writeWorksheetPdf(QIODevice& device, const Worksheet& sheet) {
    QPdfWriter pdf(&device);
    pdf.setTitle(sheet.title);
    pdf.setCreator(sheet.heading);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                  QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    const QRect page = pdf.pageLayout().paintRectPixels(pdf.resolution());
    paintWorksheet(painter, QRectF(QPointF(0, 0), page.size()), sheet);
    return painter.end();
}

} // namespace oltrave
