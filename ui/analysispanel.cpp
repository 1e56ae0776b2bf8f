#include "analysispanel.h"

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>

#include "analysis/analysis.h"
#include "analysis/plotted.h"
#include "analysis/rows.h"
#include "mainwindow.h"

namespace oltrave {

namespace {

constexpr int kGap = 8;          // between the main window and the panel
constexpr int kPanelWidth = 460; // room for a periodic family's k-intervals

} // namespace

void AnalysisPanel::install(MainWindow& window, QMenu& view) {
    QAction* item = view.addAction(tr("Analysis"));
    item->setObjectName(QStringLiteral("analysis"));
    item->setCheckable(true);
    // Built when first asked for: most starts never open it.
    auto panel = std::make_shared<QPointer<AnalysisPanel>>();
    connect(item, &QAction::toggled, &window, [&window, item, panel](bool on) {
        if (!*panel) {
            if (!on)
                return;
            *panel = new AnalysisPanel(window, *item);
            const auto follow = [p = panel->data()] {
                if (p->item_.isChecked())
                    p->refresh();
            };
            connect(&window, &MainWindow::formMirrored, *panel, follow);
            connect(&window, &MainWindow::previewChanged, *panel, follow);
        }
        AnalysisPanel* shown = *panel;
        if (!on) {
            shown->hide();
            window.showAnalysis(std::nullopt, {});
            return;
        }
        shown->refresh();
        // After the main window has shown itself when the option was remembered on.
        QTimer::singleShot(0, shown, [shown] {
            if (!shown->item_.isChecked())
                return;
            shown->placeBesideWindow();
            shown->show();
        });
    });
}

AnalysisPanel::AnalysisPanel(MainWindow& window, QAction& item)
    : QWidget(&window, Qt::Tool), window_(window), item_(item) {
    setObjectName(QStringLiteral("analysispanel"));
    setWindowTitle(tr("Analysis"));
    table_ = new QTableWidget(0, 2, this);
    table_->setObjectName(QStringLiteral("analysisrows"));
    table_->setAccessibleName(tr("Analysis"));
    table_->setHorizontalHeaderLabels({tr("Property"), tr("Value")});
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setWordWrap(true);
    // A selected row's points, lines and stretches are highlighted on the plot.
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &AnalysisPanel::showOnPlot);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_);
    resize(kPanelWidth, window.height());
}

QStringList AnalysisPanel::rowTexts() const {
    QStringList texts;
    for (int row = 0; row < table_->rowCount(); ++row)
        texts << table_->item(row, 0)->text() + QStringLiteral(" : ") +
                     table_->item(row, 1)->text();
    return texts;
}

void AnalysisPanel::closeEvent(QCloseEvent* event) {
    // Closing the panel is switching the option off.
    item_.setChecked(false);
    event->accept();
}

void AnalysisPanel::refresh() {
    // The plot window's sliders' curve while they move one.
    const std::optional<AnalysedCurve>& preview = window_.preview();
    analysis_ = preview ? analyse(*preview->family, preview->mode, preview->coef)
                        : analysePlotted(window_.form());
    const std::vector<AnalysisRow> rows =
        analysis_ ? analysisRows(*analysis_) : std::vector<AnalysisRow>{};
    const QSignalBlocker quiet(table_->selectionModel()); // shown once, below
    const bool sameRows = table_->rowCount() == static_cast<int>(rows.size());
    table_->setRowCount(static_cast<int>(rows.size()));
    bool namesChanged = !sameRows;
    // Only the rows whose words changed are laid out again: most commands
    // leave most rows as they were.
    for (int row = 0; row < table_->rowCount(); ++row) {
        const AnalysisRow& r = rows[static_cast<std::size_t>(row)];
        const QString name = QString::fromStdString(r.name);
        const QString value = QString::fromStdString(r.value);
        QTableWidgetItem* nameItem = table_->item(row, 0);
        QTableWidgetItem* valueItem = table_->item(row, 1);
        if (nameItem && valueItem && nameItem->text() == name && valueItem->text() == value)
            continue;
        if (!nameItem || nameItem->text() != name) {
            table_->setItem(row, 0, new QTableWidgetItem(name));
            namesChanged = true;
        }
        table_->setItem(row, 1, new QTableWidgetItem(value));
        if (sameRows)
            table_->resizeRowToContents(row);
    }
    if (namesChanged)
        table_->resizeColumnToContents(0);
    if (!sameRows)
        table_->resizeRowsToContents();
    showOnPlot();
}

void AnalysisPanel::showOnPlot() {
    std::vector<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    // A curve only the plot window shows has nothing to mark on the main window's.
    window_.showAnalysis(window_.preview() ? std::nullopt : analysis_, std::move(rows));
}

void AnalysisPanel::placeBesideWindow() {
    const QRect frame = window_.frameGeometry();
    QPoint place(frame.right() + kGap, frame.top());
    // On the left where the screen has no room on the right.
    if (const QScreen* screen = window_.screen()) {
        if (place.x() + width() > screen->availableGeometry().right())
            place.setX(std::max(screen->availableGeometry().left(), frame.left() - kGap - width()));
    }
    move(place);
}

} // namespace oltrave
