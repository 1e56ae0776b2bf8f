#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <optional>

#include "curverecorder.h"
#include "gridpainter.h"
#include "markpainter.h"
#include "pageturner.h"
#include "plotpainter.h"
#include "sheetlayout.h"
#include "worksheet.h"

namespace oltrave {

namespace {

constexpr qreal kMillimetresPerInch = 25.4;
constexpr qreal kGapMm = 4;
constexpr qreal kColumnGapMm = 8;
constexpr qreal kPlotWidthShare = 0.85;
constexpr qreal kLineWidthMm = 0.3;
constexpr qreal kRuleWidthMm = 0.15;
constexpr qreal kHeadingPoints = 9;
constexpr qreal kTitlePoints = 16;
constexpr qreal kNotePoints = 9;
constexpr qreal kGridLabelPoints = 10;
constexpr qreal kPointsPerInch = 72;
constexpr qreal kLinePoints = 10; // never less than 9: a class reads it on paper
constexpr int kWrap = Qt::TextWordWrap | Qt::TextWrapAnywhere;
const QColor kHeadingColour(0x70, 0x70, 0x70);
const QColor kRuleColour(0xb0, 0xb0, 0xb0);

// Latin and Greek from the interface's face, Chinese from a face that has it.
QFont sheetFont(qreal points, QFont::Weight weight = QFont::Normal) {
    QFont font;
    font.setFamilies({QStringLiteral("Open Sans"), QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

QString fieldsLine() {
    const QString blank(14, QLatin1Char('_'));
    return QCoreApplication::translate("Worksheet", "Name %1    Class %2    Date %3")
        .arg(blank, blank.left(8), blank.left(10));
}

class SheetPainter {
public:
    SheetPainter(QPainter& painter, QPagedPaintDevice& device, const QRectF& page,
                 const Worksheet& sheet)
        : painter_(painter), device_(device), page_(page), sheet_(sheet),
          perMm_(device.logicalDpiY() / kMillimetresPerInch), lineFont_(sheetFont(kLinePoints)),
          lineHeight_(QFontMetricsF(lineFont_, &device).lineSpacing()),
          pages_(painter, device, page, sheetFont(kNotePoints), false) {}

    bool paint() {
        painter_.save();
        paintHead();
        const QFont numberFont = sheetFont(kNotePoints);
        const qreal footer = QFontMetricsF(numberFont, &device_).lineSpacing() + kGapMm * perMm_;
        const SheetFrame frame{page_.width(), page_.height() - footer, top_ - page_.top(),
                               kColumnGapMm * perMm_};

        const QFontMetricsF metrics(lineFont_, &device_);
        std::vector<double> widths;
        for (const QString& line : sheet_.lines)
            widths.push_back(metrics.horizontalAdvance(line));
        const bool two = wantsTwoColumns(frame, widths, lineHeight_);
        const qreal lineWidth = two ? halfWidth(frame) : frame.width;
        std::vector<double> heights;
        for (const QString& line : sheet_.lines)
            heights.push_back(wrappedHeight(line, lineWidth));

        nameWidth_ = 0;
        for (const SheetRow& row : sheet_.table)
            nameWidth_ = std::max(nameWidth_, metrics.horizontalAdvance(row.name));
        nameWidth_ = std::min(nameWidth_ + kGapMm * perMm_, frame.width * 0.4);
        std::vector<double> rowHeights;
        for (const SheetRow& row : sheet_.table)
            rowHeights.push_back(std::max(wrappedHeight(row.name, nameWidth_),
                                          wrappedHeight(row.value, frame.width - nameWidth_)) +
                                 rowPadding());

        const SheetPlan plan = planSheet(frame, heights, two, rowHeights);
        pages_.setPages(plan.pages);
        painter_.setFont(lineFont_);
        for (std::size_t i = 0; i < plan.lines.size(); ++i) {
            if (!pages_.turnTo(plan.lines[i].page))
                return false;
            const Placement& at = plan.lines[i];
            painter_.drawText(QRectF(page_.left() + at.x, page_.top() + at.y, at.width, heights[i]),
                              kWrap, sheet_.lines[static_cast<qsizetype>(i)]);
        }
        for (std::size_t i = 0; i < plan.rows.size(); ++i) {
            if (!pages_.turnTo(plan.rows[i].page))
                return false;
            paintRow(plan.rows[i], rowHeights[i], sheet_.table[i]);
        }
        pages_.finish();
        painter_.restore();
        return true;
    }

private:
    qreal rowPadding() const { return lineHeight_ * 0.3; }

    qreal wrappedHeight(const QString& text, qreal width) const {
        const QRectF box =
            QFontMetricsF(lineFont_, &device_).boundingRect(QRectF(0, 0, width, 1e9), kWrap, text);
        return std::max(box.height(), lineHeight_);
    }

    // One line of text across the page, from the top down.
    void headLine(const QString& line, const QFont& font, Qt::Alignment align = Qt::AlignLeft) {
        painter_.setFont(font);
        const qreal height = QFontMetricsF(font, &device_).lineSpacing();
        painter_.drawText(QRectF(page_.left(), top_, page_.width(), height),
                          align | Qt::AlignVCenter | Qt::TextDontClip, line);
        top_ += height;
    }

    void paintHead() {
        const qreal gap = kGapMm * perMm_;
        top_ = page_.top();
        painter_.setPen(kHeadingColour);
        headLine(sheet_.heading, sheetFont(kHeadingPoints));
        painter_.setPen(Qt::black);
        if (sheet_.fields) {
            top_ += gap / 2;
            headLine(fieldsLine(), lineFont_);
            top_ += gap / 2;
        }
        headLine(sheet_.title, sheetFont(kTitlePoints, QFont::DemiBold));
        top_ += gap;

        if (sheet_.drawing && !sheet_.plotShape.isEmpty()) {
            const qreal width = page_.width() * kPlotWidthShare;
            const qreal height = width * sheet_.plotShape.height() / sheet_.plotShape.width();
            const QRectF plot(page_.left() + (page_.width() - width) / 2, top_, width, height);
            // The grid is laid out in units that make its labels 10 pt on
            // paper, then scaled to the page.
            std::optional<PlotGrid> grid;
            if (sheet_.grid && sheet_.zoom > 0) {
                const PlaneRect plane{-sheet_.zoom, sheet_.zoom, -sheet_.zoom, sheet_.zoom};
                const qreal labelPixels =
                    plotGrid(plane, QSizeF(sheet_.plotShape), false).font.pixelSize();
                const qreal points = width / perMm_ * kPointsPerInch / kMillimetresPerInch;
                const qreal units = points * labelPixels / kGridLabelPoints;
                grid = plotGrid(plane, QSizeF(units, units * height / width), sheet_.piTicks);
            }
            paintPlot(painter_, plot, *sheet_.drawing, sheet_.background, sheet_.ink,
                      kLineWidthMm * perMm_, grid ? &*grid : nullptr);
            const CurveRecorder& drawing = *sheet_.drawing;
            const auto toPage = [&drawing, &plot](float x, float y) {
                const ViewPoint p = drawing.toView(x, y);
                return QPointF(plot.left() + p.u * plot.width(), plot.top() + p.v * plot.height());
            };
            paintMarks(painter_, plot, sheet_.marks, {}, toPage, width / sheet_.plotShape.width());
            painter_.setPen(QPen(Qt::black, kLineWidthMm * perMm_));
            painter_.setBrush(Qt::NoBrush);
            painter_.drawRect(plot);
            top_ += height;
        }
        headLine(sheet_.scaleNote, sheetFont(kNotePoints), Qt::AlignHCenter);
        top_ += gap;
    }

    void paintRow(const Placement& at, qreal height, const SheetRow& row) {
        const qreal x = page_.left() + at.x;
        const qreal y = page_.top() + at.y;
        const qreal pad = rowPadding() / 2;
        painter_.drawText(QRectF(x, y + pad, nameWidth_, height - 2 * pad), kWrap, row.name);
        painter_.drawText(QRectF(x + nameWidth_, y + pad, at.width - nameWidth_, height - 2 * pad),
                          kWrap, row.value);
        painter_.save();
        painter_.setPen(QPen(kRuleColour, kRuleWidthMm * perMm_));
        painter_.drawLine(QPointF(x, y + height), QPointF(x + at.width, y + height));
        painter_.restore();
    }

    QPainter& painter_;
    QPagedPaintDevice& device_;
    const QRectF page_;
    const Worksheet& sheet_;
    const qreal perMm_;
    const QFont lineFont_;
    const qreal lineHeight_;
    qreal top_ = 0;
    qreal nameWidth_ = 0;
    PageTurner pages_;
};

} // namespace

bool paintWorksheet(QPainter& painter, QPagedPaintDevice& device, const QRectF& page,
                    const Worksheet& sheet) {
    return SheetPainter(painter, device, page, sheet).paint();
}

} // namespace oltrave
