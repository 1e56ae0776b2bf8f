#pragma once

#include <QWidget>
#include <optional>

#include "model/analysisfacts.h"

class QAction;
class QMenu;
class QTableWidget;

namespace oltrave {

class MainWindow;

// View > Analysis: a tool window beside the main window with one row per
// property of the curve last plotted, read by screen readers as a table. The
// main window keeps its layout; the panel follows every command it runs.
class AnalysisPanel : public QWidget {
    Q_OBJECT
public:
    // Adds the View menu's item and the panel it opens to the window.
    static void install(MainWindow& window, QMenu& view);

    // The rows shown, as "Name : value".
    QStringList rowTexts() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AnalysisPanel(MainWindow& window, QAction& item);
    void refresh();
    void showOnPlot();
    void placeBesideWindow();

    MainWindow& window_;
    QAction& item_;
    QTableWidget* table_ = nullptr;
    std::optional<Analysis> analysis_;
};

} // namespace oltrave
