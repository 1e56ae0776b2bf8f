#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>

#include "model/boxreading.h"
#include "model/familytable.h"
#include "model/numtext.h"
#include "platform/canvaswidget.h"
#include "scenario.h"
#include "ui/analysispanel.h"
#include "ui/mainwindow.h"

namespace oltrave::scenario {

namespace {

template <typename Widget> const Widget& part(const MainWindow& window, const QString& name) {
    const auto* widget = window.findChild<const Widget*>(name);
    Q_ASSERT(widget);
    return *widget;
}

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString boxes(const MainWindow& window) {
    QStringList shown;
    for (int box = 0; box < kBoxCount; ++box) {
        const auto& edit = part<QLineEdit>(window, QStringLiteral("tx%1").arg(box));
        const auto& label = part<QLabel>(window, QStringLiteral("lb%1").arg(box));
        shown << (edit.isVisibleTo(&window) ? label.text() + QLatin1Char(' ') + quoted(edit.text())
                                            : QStringLiteral("-"));
    }
    return shown.join(QStringLiteral(" | "));
}

// The boxes whose texts the current mode does not read whole, with the number used.
QString reads(const MainWindow& window) {
    QStringList shown;
    for (const BoxNote& note : noteworthyBoxes(window.form())) {
        QString name = QStringLiteral("x");
        if (note.kind == BoxKind::Zoom)
            name = QStringLiteral("zoom");
        else if (note.kind == BoxKind::Coefficient)
            name = part<QLabel>(window, QStringLiteral("lb%1").arg(note.box)).text();
        const QString used = QString::fromStdString(numtext(note.reading.used));
        shown << name + QLatin1Char(' ') + quoted(QString::fromStdString(note.text)) +
                     QStringLiteral(" -> ") +
                     (note.reading.previousKept ? QStringLiteral("previous ") + used : used);
    }
    return shown.join(QStringLiteral(" | "));
}

// The selected mode is the one whose control shows its background.
QString modes(const MainWindow& window) {
    QString selected = QStringLiteral("-");
    bool enabled = true;
    for (int mode = 0; mode < kModeCount; ++mode) {
        const auto& label = part<QWidget>(window, QStringLiteral("llabs%1").arg(mode));
        enabled = enabled && label.isEnabled();
        if (label.autoFillBackground())
            selected = QString::number(mode);
    }
    return (enabled ? QStringLiteral("enabled") : QStringLiteral("disabled")) +
           QStringLiteral(", selected ") + selected;
}

// The checked items of the View menu, in menu order, by their driver names.
QString viewOptions(const MainWindow& window) {
    QStringList on;
    if (const auto* view = window.findChild<const QMenu*>(QStringLiteral("view"))) {
        for (const QAction* item : view->actions()) {
            if (item->isCheckable() && item->isChecked())
                on << item->objectName();
        }
    }
    return on.join(QStringLiteral(", "));
}

} // namespace

QString stateBlock(const MainWindow& window, bool withReads) {
    const auto& chooser = part<QComboBox>(window, QStringLiteral("combotype"));
    // The lines as the list shows them.
    const QAbstractItemModel& list =
        *part<QAbstractItemView>(window, QStringLiteral("lis")).model();
    const auto shown = [&list](int row) {
        return row >= 0 && row < list.rowCount() ? list.index(row, 0).data().toString() : QString();
    };
    const CanvasWidget& canvas = window.canvas();

    QString block;
    const auto add = [&block](const QString& line) { block += line + QLatin1Char('\n'); };
    add(QStringLiteral("label: ") + part<QLabel>(window, QStringLiteral("labelv")).text());
    add(QStringLiteral("chooser: %1 %2").arg(chooser.currentIndex()).arg(chooser.currentText()));
    add(QStringLiteral("boxes: ") + boxes(window));
    if (const QString read = withReads ? reads(window) : QString(); !read.isEmpty())
        add(QStringLiteral("reads: ") + read);
    add(QStringLiteral("modes: ") + modes(window));
    add(QStringLiteral("zoom: %1 -> %2")
            .arg(quoted(part<QLineEdit>(window, QStringLiteral("setdata")).text()),
                 QString::fromStdString(numtext(window.form().zoom()))));
    add(QStringLiteral("x: ") + quoted(part<QLineEdit>(window, QStringLiteral("setx")).text()));
    if (const QString options = viewOptions(window); !options.isEmpty())
        add(QStringLiteral("view: ") + options);
    add(QStringLiteral("plotted: ") +
        (window.form().plotted() ? QStringLiteral("yes") : QStringLiteral("no")));
    add(QStringLiteral("canvas: lines %1, points %2")
            .arg(canvas.lineCount())
            .arg(canvas.pointCount()));
    if (const QString trace = canvas.traceText(); !trace.isEmpty())
        add(QStringLiteral("trace: ") + trace);
    add(QStringLiteral("list: %1").arg(list.rowCount()));
    for (int row = 0; row < list.rowCount(); ++row)
        add(QStringLiteral("«") + shown(row) + QStringLiteral("»"));
    const auto* keyPoints = window.findChild<QAction*>(QStringLiteral("keypoints"));
    if (keyPoints && keyPoints->isChecked()) {
        const std::vector<MarkInstance>& marks = canvas.marks();
        add(QStringLiteral("marks: %1").arg(marks.size()));
        for (const MarkInstance& mark : marks) {
            add(QStringLiteral("«") + QString::fromStdString(markText(mark)) +
                QStringLiteral(" : ") + shown(mark.row).trimmed() + QStringLiteral("»"));
        }
    }
    const auto* analysis = window.findChild<QAction*>(QStringLiteral("analysis"));
    const auto* panel = window.findChild<const AnalysisPanel*>(QStringLiteral("analysispanel"));
    if (analysis && analysis->isChecked() && panel) {
        const QStringList rows = panel->rowTexts();
        add(QStringLiteral("analysis: %1").arg(rows.size()));
        for (const QString& row : rows)
            add(QStringLiteral("«") + row + QStringLiteral("»"));
    }
    return block;
}

std::optional<QString> takeMessage(MainWindow& window) {
    for (QMessageBox* box : window.findChildren<QMessageBox*>()) {
        if (!box->isVisible())
            continue;
        const QString text = box->text().split(QLatin1Char('\n')).join(QLatin1Char(' '));
        box->close();
        QCoreApplication::processEvents();
        return text;
    }
    return std::nullopt;
}

} // namespace oltrave::scenario
