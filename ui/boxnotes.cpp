#include "boxnotes.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QVariant>

#include "colourtable.h"
#include "model/form.h"
#include "model/numtext.h"

namespace oltrave {

namespace {

const char* const kOwnTip = "oltraveOwnToolTip";
const QString kMarkName = QStringLiteral("readingmark");
constexpr int kMarkHeight = 2;

// The amber line, a child of the box: it follows the box's size and takes no
// clicks.
class ReadingMark : public QWidget {
public:
    explicit ReadingMark(QLineEdit* box) : QWidget(box) {
        setObjectName(kMarkName);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        box->installEventFilter(this);
        fit();
    }

protected:
    // Painted by hand: a box's style may ignore a child's palette.
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), QColor::fromRgb(colours::kReadingMark));
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            fit();
        return QWidget::eventFilter(watched, event);
    }

private:
    void fit() {
        const QWidget* box = parentWidget();
        setGeometry(0, box->height() - kMarkHeight, box->width(), kMarkHeight);
    }
};

QString number(double value) {
    return QString::fromStdString(numtext(value));
}

QString refusalWords(ExactRefusal refusal) {
    switch (refusal) {
    case ExactRefusal::None: break;
    case ExactRefusal::NotANumber: return BoxNotes::tr("not an exact number");
    case ExactRefusal::DivisionByZero: return BoxNotes::tr("division by zero");
    case ExactRefusal::NegativeRoot: return BoxNotes::tr("a root of a negative number");
    case ExactRefusal::TooManyDigits: return BoxNotes::tr("too many digits");
    case ExactRefusal::NoEngine: return BoxNotes::tr("exact values are not available");
    }
    return {};
}

} // namespace

BoxNotes::BoxNotes(const Form& form, const std::array<QLineEdit*, kBoxCount>& coefficients,
                   QLineEdit* x, QLineEdit* zoom, QObject* parent)
    : QObject(parent), form_(form), coefficients_(coefficients), x_(x), zoom_(zoom) {}

QString BoxNotes::noteText(const BoxReading& reading) {
    if (!reading.noteworthy())
        return {};
    const QString used = number(reading.used);
    if (reading.exactMode) {
        if (reading.previousKept)
            return tr("%1: the previous value %2 is used").arg(refusalWords(reading.refusal), used);
        return tr("%1: read as %2").arg(refusalWords(reading.refusal), used);
    }
    switch (reading.decimal) {
    case DecimalReading::Whole:
    case DecimalReading::Empty: return {};
    case DecimalReading::NotANumber: return tr("not a number: read as %1").arg(used);
    case DecimalReading::Overflow:
        return reading.previousKept ? tr("too large: the previous value %1 is used").arg(used)
                                    : tr("too large: read as %1").arg(used);
    case DecimalReading::Partial: {
        const QString ignored = QString::fromStdString(reading.ignored);
        if (reading.exactText)
            return tr("read as %1: “%2” is ignored — Exact Values reads %3")
                .arg(used, ignored, QString::fromStdString(*reading.exactText));
        return tr("read as %1: “%2” is ignored").arg(used, ignored);
    }
    }
    return {};
}

void BoxNotes::refresh() {
    for (int box = 0; box < kBoxCount; ++box)
        show(coefficients_[static_cast<std::size_t>(box)],
             noteText(coefficientNote(form_, box).reading));
    show(x_, noteText(xNote(form_).reading));
    show(zoom_, noteText(zoomNote(form_).reading));
}

void BoxNotes::clear() {
    for (QLineEdit* box : coefficients_)
        show(box, {});
    show(x_, {});
    show(zoom_, {});
}

void BoxNotes::show(QLineEdit* box, const QString& note) {
    auto* mark = box->findChild<QWidget*>(kMarkName, Qt::FindDirectChildrenOnly);
    const bool marked = mark && mark->isVisibleTo(box);
    if (note.isEmpty()) {
        if (!marked)
            return;
        mark->hide();
        box->setToolTip(box->property(kOwnTip).toString());
        box->setAccessibleDescription({});
        return;
    }
    if (!mark)
        mark = new ReadingMark(box);
    if (!marked) {
        box->setProperty(kOwnTip, box->toolTip());
        mark->show();
    }
    box->setToolTip(note);
    box->setAccessibleDescription(note);
}

} // namespace oltrave
