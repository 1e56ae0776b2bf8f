#include "practiceset.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include "blankgrid.h"
#include "curverecorder.h"
#include "pageturner.h"
#include "plotpainter.h"
#include "sheetlayout.h"

namespace oltrave {

namespace {

constexpr qreal kMillimetresPerInch = 25.4;
constexpr qreal kGapMm = 4;
constexpr qreal kGridMm = 62;
constexpr qreal kAnswerPlotMm = 38;
constexpr qreal kLineWidthMm = 0.3;
constexpr int kWrap = Qt::TextWordWrap | Qt::TextWrapAnywhere;
const QColor kHeadingColour(0x70, 0x70, 0x70);
const QColor kRuleColour(0xb0, 0xb0, 0xb0);

QFont setFont(qreal points, QFont::Weight weight = QFont::Normal) {
    QFont font;
    font.setFamilies({QStringLiteral("Open Sans"), QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

QString words(const char* text) {
    return QCoreApplication::translate("PracticeSet", text);
}

class SetPainter {
public:
    SetPainter(QPainter& painter, QPagedPaintDevice& device, const QRectF& page,
               const PracticeSet& set)
        : painter_(painter), device_(device), page_(page), set_(set),
          mm_(device.logicalDpiY() / kMillimetresPerInch), text_(setFont(10)), small_(setFont(9)),
          bold_(setFont(12, QFont::DemiBold)), line_(QFontMetricsF(text_, &device).lineSpacing()),
          pages_(painter, device, page, small_, true) {}

    bool paint() {
        const qreal footer = QFontMetricsF(small_, &device_).lineSpacing() + kGapMm * mm_;
        const qreal height = page_.height() - footer;

        // The exercises under the title and the fields.
        std::vector<double> blocks;
        for (const PracticeItem& item : set_.items)
            blocks.push_back(exerciseHeight(item));
        const SheetPlan exercises =
            planSheet({page_.width(), height, headHeight(), 0}, {}, false, blocks);
        // The answers from a page of their own.
        std::vector<double> answerBlocks;
        for (const PracticeItem& item : set_.items)
            answerBlocks.push_back(answerHeight(item));
        const qreal answersTop = QFontMetricsF(bold_, &device_).lineSpacing() + kGapMm * mm_;
        const SheetPlan answers =
            planSheet({page_.width(), height, answersTop, 0}, {}, false, answerBlocks);
        pages_.setPages(exercises.pages + answers.pages);

        painter_.save();
        paintHead();
        for (std::size_t i = 0; i < exercises.rows.size(); ++i) {
            if (!pages_.turnTo(exercises.rows[i].page))
                return false;
            paintExercise(static_cast<int>(i), exercises.rows[i].y);
        }
        if (!pages_.turnTo(exercises.pages))
            return false;
        painter_.setFont(bold_);
        painter_.drawText(QRectF(page_.left(), page_.top(), page_.width(), answersTop), 0,
                          words(QT_TRANSLATE_NOOP("PracticeSet", "Answers")));
        for (std::size_t i = 0; i < answers.rows.size(); ++i) {
            if (!pages_.turnTo(exercises.pages + answers.rows[i].page))
                return false;
            paintAnswer(static_cast<int>(i), answers.rows[i].y, answerBlocks[i]);
        }
        pages_.finish();
        painter_.restore();
        return true;
    }

private:
    qreal wrapped(const QString& text, const QFont& font, qreal width) const {
        return QFontMetricsF(font, &device_)
            .boundingRect(QRectF(0, 0, width, 1e9), kWrap, text)
            .height();
    }

    qreal headHeight() const {
        return QFontMetricsF(small_, &device_).lineSpacing() +
               QFontMetricsF(setFont(16, QFont::DemiBold), &device_).lineSpacing() + line_ +
               3 * kGapMm * mm_;
    }

    qreal textLeft() const { return (kGridMm + kGapMm * 2) * mm_; }

    qreal exerciseHeight(const PracticeItem& item) const {
        const qreal width = page_.width() - textLeft();
        qreal h = wrapped(item.formula, bold_, width) + kGapMm * mm_;
        for (const QString& q : item.questions)
            h += wrapped(q, text_, width) + line_ * 0.6; // room to write
        return std::max(h, kGridMm * mm_) + kGapMm * 2 * mm_;
    }

    qreal answerHeight(const PracticeItem& item) const {
        const qreal width = page_.width() - (kAnswerPlotMm + kGapMm) * mm_;
        qreal h = wrapped(item.formula, bold_, width) + kGapMm * mm_ / 2;
        for (const SheetRow& row : item.answers)
            h += wrapped(row.name + QStringLiteral(" : ") + row.value, text_, width);
        return std::max(h, kAnswerPlotMm * mm_) + kGapMm * 2 * mm_;
    }

    void paintHead() {
        qreal y = page_.top();
        const auto headLine = [&](const QString& text, const QFont& font) {
            painter_.setFont(font);
            const qreal h = QFontMetricsF(font, &device_).lineSpacing();
            painter_.drawText(QRectF(page_.left(), y, page_.width(), h), Qt::AlignVCenter, text);
            y += h + kGapMm * mm_;
        };
        painter_.setPen(kHeadingColour);
        headLine(set_.heading, small_);
        painter_.setPen(Qt::black);
        headLine(set_.title, setFont(16, QFont::DemiBold));
        const QString blank(14, QLatin1Char('_'));
        headLine(QCoreApplication::translate("Worksheet", "Name %1    Class %2    Date %3")
                     .arg(blank, blank.left(8), blank.left(10)),
                 text_);
    }

    // The number and formula, the questions with room to answer, the grid on the left.
    void paintExercise(int index, qreal y) {
        const PracticeItem& item = set_.items[static_cast<std::size_t>(index)];
        const qreal top = page_.top() + y + kGapMm * mm_;
        painter_.setFont(small_);
        paintBlankGrid(painter_, QRectF(page_.left(), top, kGridMm * mm_, kGridMm * mm_),
                       item.reach, kLineWidthMm * mm_);
        const qreal left = page_.left() + textLeft();
        const qreal width = page_.right() - left;
        qreal at = top;
        painter_.setFont(bold_);
        const QString title = QStringLiteral("%1. %2").arg(index + 1).arg(item.formula);
        const qreal h = wrapped(title, bold_, width);
        painter_.drawText(QRectF(left, at, width, h), kWrap, title);
        at += h + kGapMm * mm_;
        painter_.setFont(text_);
        for (const QString& q : item.questions) {
            const qreal qh = wrapped(q, text_, width);
            painter_.drawText(QRectF(left, at, width, qh), kWrap, q);
            at += qh + line_ * 0.6;
        }
    }

    // The formula and the rows beside a small plot of the curve.
    void paintAnswer(int index, qreal y, qreal height) {
        const PracticeItem& item = set_.items[static_cast<std::size_t>(index)];
        const qreal top = page_.top() + y + kGapMm * mm_;
        const QRectF plot(page_.left(), top, kAnswerPlotMm * mm_, kAnswerPlotMm * mm_);
        if (item.drawing)
            paintPlot(painter_, plot, *item.drawing, Qt::white, Qt::black, kLineWidthMm * mm_);
        painter_.setPen(QPen(Qt::black, kLineWidthMm * mm_));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(plot);
        const qreal left = plot.right() + kGapMm * mm_;
        const qreal width = page_.right() - left;
        const QString title = QStringLiteral("%1. %2").arg(index + 1).arg(item.formula);
        painter_.setFont(bold_);
        qreal at = top;
        const qreal h = wrapped(title, bold_, width);
        painter_.drawText(QRectF(left, at, width, h), kWrap, title);
        at += h + kGapMm * mm_ / 2;
        painter_.setFont(text_);
        for (const SheetRow& row : item.answers) {
            const QString text = row.name + QStringLiteral(" : ") + row.value;
            const qreal rh = wrapped(text, text_, width);
            painter_.drawText(QRectF(left, at, width, rh), kWrap, text);
            at += rh;
        }
        painter_.save();
        painter_.setPen(QPen(kRuleColour, kLineWidthMm * mm_ / 2));
        const qreal bottom = page_.top() + y + height;
        painter_.drawLine(QPointF(page_.left(), bottom), QPointF(page_.right(), bottom));
        painter_.restore();
    }

    QPainter& painter_;
    QPagedPaintDevice& device_;
    const QRectF page_;
    const PracticeSet& set_;
    const qreal mm_;
    const QFont text_;
    const QFont small_;
    const QFont bold_;
    const qreal line_;
    PageTurner pages_;
};

} // namespace

QString practiceTitle(quint64 seed) {
    return words(QT_TRANSLATE_NOOP("PracticeSet", "Practice Set (seed %1)")).arg(seed);
}

QStringList practiceQuestions(bool periodic) {
    QStringList questions{
        words(QT_TRANSLATE_NOOP("PracticeSet", "a) Domain:")),
        words(QT_TRANSLATE_NOOP("PracticeSet", "b) Range:")),
        words(QT_TRANSLATE_NOOP("PracticeSet", "c) Zeros:")),
        words(QT_TRANSLATE_NOOP("PracticeSet", "d) Maxima and minima:")),
        words(QT_TRANSLATE_NOOP("PracticeSet", "e) Where it increases and where it decreases:")),
        words(QT_TRANSLATE_NOOP("PracticeSet", "f) Symmetry: even or odd, axes, centres:")),
    };
    if (periodic)
        questions << words(QT_TRANSLATE_NOOP("PracticeSet", "g) Least positive period:"));
    return questions;
}

bool paintPracticeSet(QPainter& painter, QPagedPaintDevice& device, const QRectF& page,
                      const PracticeSet& set) {
    return SetPainter(painter, device, page, set).paint();
}

bool writePracticeSetPdf(QIODevice& device, const PracticeSet& set) {
    QPdfWriter pdf(&device);
    pdf.setTitle(set.title);
    pdf.setCreator(set.heading);
    pdf.setPageLayout(worksheetPageLayout());
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    const QRect page = pdf.pageLayout().paintRectPixels(pdf.resolution());
    const bool painted = paintPracticeSet(painter, pdf, QRectF(QPointF(0, 0), page.size()), set);
    return painter.end() && painted;
}

} // namespace oltrave
