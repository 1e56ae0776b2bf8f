#pragma once

#include <QMainWindow>
#include <vector>

#include "model/drawncurve.h"

class QAction;
class QDockWidget;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QTimer;

namespace oltrave {

class MainWindow;
class PlotTrace;
class PlotView;
class SliderPanel;

// View > Plot Window: a second, resizable window with every curve drawn since
// the last Clear, each in its own colour, over a grid with labelled ticks. It
// follows every command the main window runs. Beside the plot, a legend
// (uncheck a curve to hide it, select it to trace it), the trace's read-out,
// the main window's key points in each curve's colour and the points where
// visible curves meet.
class PlotWindow : public QMainWindow {
    Q_OBJECT
public:
    static void install(MainWindow& window, QMenu& view);

    PlotView& plot() const { return *plot_; }
    SliderPanel& sliders() const { return *sliders_; }
    // The legend's and the intersections' rows as shown.
    QStringList legendTexts() const;
    QStringList intersectionTexts() const;
    QString readoutText() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    PlotWindow(MainWindow& window, QAction& item);
    void follow();
    void showCurves();
    void findIntersections();
    void showKeyPoints();
    std::vector<double> markXs(std::size_t curve) const;
    void retranslate();

    MainWindow& window_;
    QAction& item_;
    PlotView* plot_ = nullptr;
    QListWidget* legend_ = nullptr;
    QListWidget* meetings_ = nullptr;
    QLabel* readout_ = nullptr;
    PlotTrace* trace_ = nullptr;
    QDockWidget* curvesDock_ = nullptr;
    QDockWidget* meetingsDock_ = nullptr;
    QDockWidget* slidersDock_ = nullptr;
    QMenu* file_ = nullptr;
    QMenu* view_ = nullptr;
    QAction* exportPng_ = nullptr;
    QAction* exportSvg_ = nullptr;
    QAction* home_ = nullptr;
    QAction* fill_ = nullptr;
    QAction* piTicks_ = nullptr;
    QAction* intersections_ = nullptr;
    QTimer* meetingTimer_ = nullptr;
    SliderPanel* sliders_ = nullptr;
    std::vector<DrawnCurve> curves_;
    std::vector<DrawnCurve> shown_; // as drawn, the sliders' curve where they put it
    std::vector<bool> hidden_;
    double reach_ = 0; // the main window's zoom last followed
};

} // namespace oltrave
