#include "plotwindow.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "analysis/intersect.h"
#include "analysis/plotted.h"
#include "analysis/rows.h"
#include "mainwindow.h"
#include "model/form.h"
#include "model/real.h"
#include "output/gridpainter.h"
#include "overlay/keypoints.h"
#include "overlay/ticks.h"
#include "platform/settings.h"
#include "plotpicture.h"
#include "plottrace.h"
#include "plotview.h"
#include "sliderpanel.h"

namespace oltrave {

namespace {

const QString kGeometryKey = QStringLiteral("plotWindow/geometry");

constexpr int kTraceAlpha = 60; // of 255

const char* const kModeTexts[] = {"", "| f(x) |  ", "f( | x | )  "};

// "y = a x ^ 2 + b x + c   a = 1, b = -2, c = -3", with the mode before it;
// the coefficients as the boxes read them in exact mode ("a = -1/2").
QString legendText(const DrawnCurve& curve) {
    const FamilyDescription* family = familyDescription(curve.family);
    if (!family)
        return {};
    QString text = QString::fromUtf8(kModeTexts[family->hasModes ? modeIndex(curve.absmode) : 0]);
    text += QString::fromUtf8(family->formulaTemplate.data(),
                              static_cast<qsizetype>(family->formulaTemplate.size()));
    QStringList values;
    for (std::size_t i = 0; i < family->captions.size(); ++i) {
        if (family->captions[i].empty())
            continue;
        values << QString::fromUtf8(family->captions[i].data(),
                                    static_cast<qsizetype>(family->captions[i].size())) +
                      QLatin1Char(' ') +
                      QString::fromStdString(realText({curve.coef[i], curve.exact[i]}));
    }
    return text + QStringLiteral("   ") + values.join(QStringLiteral(", "));
}

} // namespace

void PlotWindow::install(MainWindow& window, QMenu& view) {
    QAction* item = view.addAction(tr("Plot Window"));
    item->setObjectName(QStringLiteral("plotwindow"));
    item->setCheckable(true);
    item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    window.addAction(item);
    // Built when first asked for: most starts never open it.
    auto plot = std::make_shared<QPointer<PlotWindow>>();
    connect(item, &QAction::toggled, &window, [&window, item, plot](bool on) {
        if (!*plot) {
            if (!on)
                return;
            *plot = new PlotWindow(window, *item);
            connect(&window, &MainWindow::formMirrored, *plot, [p = plot->data()] {
                p->sliders_->stop(); // any edit stops Play
                if (p->item_.isChecked())
                    p->follow();
            });
            connect(&window, &MainWindow::exactValuesToggled, *plot, [p = plot->data()] {
                p->sliders_->rebuild();
                p->findIntersections();
            });
        }
        PlotWindow* shown = *plot;
        if (!on) {
            shown->hide();
            return;
        }
        shown->follow();
        shown->show();
        shown->raise();
    });
}

PlotWindow::PlotWindow(MainWindow& window, QAction& item)
    : QMainWindow(&window, Qt::Window), window_(window), item_(item) {
    setObjectName(QStringLiteral("plotwindowframe"));
    resize(900, 640);
    // Its size and place as last left.
    restoreGeometry(programSettings().value(kGeometryKey).toByteArray());
    plot_ = new PlotView(this);
    setCentralWidget(plot_);

    legend_ = new QListWidget;
    legend_->setObjectName(QStringLiteral("legend"));
    curvesDock_ = new QDockWidget(this);
    curvesDock_->setWidget(legend_);
    addDockWidget(Qt::RightDockWidgetArea, curvesDock_);
    meetings_ = new QListWidget;
    meetings_->setObjectName(QStringLiteral("intersections"));
    meetingsDock_ = new QDockWidget(this);
    meetingsDock_->setWidget(meetings_);
    addDockWidget(Qt::RightDockWidgetArea, meetingsDock_);
    sliders_ = new SliderPanel(window, this);
    slidersDock_ = new QDockWidget(this);
    slidersDock_->setObjectName(QStringLiteral("slidersdock"));
    slidersDock_->setWidget(sliders_);
    addDockWidget(Qt::BottomDockWidgetArea, slidersDock_);
    connect(sliders_, &SliderPanel::curveMoved, this, &PlotWindow::showCurves);
    readout_ = new QLabel;
    readout_->setObjectName(QStringLiteral("readout"));
    statusBar()->addWidget(readout_);
    trace_ = new PlotTrace(*plot_, *legend_, *readout_,
                           [this](std::size_t curve) { return markXs(curve); });

    file_ = menuBar()->addMenu(QString());
    exportPng_ = file_->addAction(QString());
    connect(exportPng_, &QAction::triggered, this,
            [this] { exportPlotPicture(*this, *plot_, false); });
    exportSvg_ = file_->addAction(QString());
    connect(exportSvg_, &QAction::triggered, this,
            [this] { exportPlotPicture(*this, *plot_, true); });
    view_ = menuBar()->addMenu(QString());
    fill_ = view_->addAction(QString());
    fill_->setCheckable(true);
    connect(fill_, &QAction::toggled, this, [this](bool on) { plot_->setEqualUnits(!on); });
    piTicks_ = view_->addAction(QString());
    piTicks_->setCheckable(true);
    piTicks_->setChecked(true);
    connect(piTicks_, &QAction::toggled, this, [this] { showCurves(); });
    intersections_ = view_->addAction(QString());
    intersections_->setCheckable(true);
    intersections_->setChecked(true);
    connect(intersections_, &QAction::toggled, this, [this](bool on) {
        meetingsDock_->setVisible(on);
        findIntersections();
    });
    // The main window's own Key Points item: one choice for both windows.
    if (auto* keyPoints = window.findChild<QAction*>(QStringLiteral("keypoints")))
        view_->addAction(keyPoints);
    connect(&window, &MainWindow::keyPointsToggled, this, &PlotWindow::showKeyPoints);
    home_ = view_->addAction(QString());
    connect(home_, &QAction::triggered, plot_, &PlotView::home);
    retranslate();

    connect(legend_, &QListWidget::itemChanged, this, [this](QListWidgetItem* row) {
        const int i = legend_->row(row);
        if (i < 0 || i >= static_cast<int>(hidden_.size()))
            return;
        hidden_[static_cast<std::size_t>(i)] = row->checkState() != Qt::Checked;
        showCurves();
    });
    // The meetings are sought once the view rests.
    meetingTimer_ = new QTimer(this);
    meetingTimer_->setSingleShot(true);
    meetingTimer_->setInterval(120);
    connect(meetingTimer_, &QTimer::timeout, this, &PlotWindow::findIntersections);
    connect(plot_, &PlotView::viewChanged, meetingTimer_, qOverload<>(&QTimer::start));
    connect(plot_, &PlotView::viewChanged, this, &PlotWindow::showKeyPoints);
}

// Every word of the window; said again when the language changes.
void PlotWindow::retranslate() {
    setWindowTitle(tr("Plot"));
    legend_->setAccessibleName(tr("Curves"));
    curvesDock_->setWindowTitle(tr("Curves"));
    meetings_->setAccessibleName(tr("Intersections"));
    meetingsDock_->setWindowTitle(tr("Intersections"));
    slidersDock_->setWindowTitle(tr("Sliders"));
    readout_->setAccessibleName(tr("Trace read-out"));
    file_->setTitle(tr("File(&F)"));
    exportPng_->setText(tr("Export PNG..."));
    exportSvg_->setText(tr("Export SVG..."));
    view_->setTitle(tr("View(&V)"));
    fill_->setText(tr("Fill"));
    piTicks_->setText(tr("π Ticks for Periodic Curves"));
    intersections_->setText(tr("Intersections"));
    home_->setText(tr("Home"));
}

void PlotWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        findIntersections();
    }
    QMainWindow::changeEvent(event);
}

void PlotWindow::closeEvent(QCloseEvent* event) {
    item_.setChecked(false);
    event->accept();
}

void PlotWindow::hideEvent(QHideEvent* event) {
    sliders_->stop();
    // Not kept is no loss worth a word: the window opens at its first place.
    rememberSetting(kGeometryKey, saveGeometry());
    QMainWindow::hideEvent(event);
}

void PlotWindow::follow() {
    const Form& form = window_.form();
    const std::vector<DrawnCurve>& curves = form.drawnCurves();
    // A new zoom in the main window is a new home here.
    if (form.zoom() > 0 && form.zoom() != reach_) {
        reach_ = form.zoom();
        plot_->setReach(reach_);
        plot_->home();
    }
    if (curves != curves_) {
        // Curves still shown keep their colour and visibility.
        std::vector<bool> hidden(curves.size(), false);
        for (std::size_t i = 0; i < curves.size() && i < curves_.size(); ++i)
            if (curves[i] == curves_[i])
                hidden[i] = hidden_[i];
        curves_ = curves;
        hidden_ = hidden;
        const QSignalBlocker quiet(legend_);
        legend_->clear();
        QStringList names;
        for (std::size_t i = 0; i < curves_.size(); ++i) {
            names << legendText(curves_[i]);
            auto* row = new QListWidgetItem(names.back(), legend_);
            QPixmap swatch(14, 14);
            swatch.fill(curvePaletteColour(static_cast<int>(i)));
            row->setIcon(QIcon(swatch));
            row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
            row->setCheckState(hidden_[i] ? Qt::Unchecked : Qt::Checked);
        }
        sliders_->setCurves(curves_, names);
    }
    showCurves();
    meetingTimer_->start();
}

void PlotWindow::showCurves() {
    std::vector<PlotView::Shown> shown;
    std::vector<DrawnCurve> visible;
    shown_ = curves_;
    const std::optional<std::size_t> chosen = sliders_->chosen();
    if (chosen && *chosen < shown_.size()) {
        if (const std::optional<DrawnCurve> moved = sliders_->moved())
            shown_[*chosen] = *moved;
    }
    // Play's trace: faint, under every curve.
    std::vector<PlotView::Shown> trace;
    if (chosen && *chosen < shown_.size() && !hidden_[*chosen]) {
        QColor faint = curvePaletteColour(static_cast<int>(*chosen));
        faint.setAlpha(kTraceAlpha);
        for (const DrawnCurve& earlier : sliders_->trace())
            trace.push_back({earlier, faint});
    }
    plot_->setTrace(std::move(trace));
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        if (hidden_[i])
            continue;
        shown.push_back({shown_[i], curvePaletteColour(static_cast<int>(i))});
        visible.push_back(shown_[i]);
    }
    plot_->setPiTicks(piTicks_->isChecked() && periodicOnly(visible));
    plot_->setCurves(std::move(shown));
    trace_->setCurves(shown_, hidden_);
    showKeyPoints();
    meetingTimer_->start();
}

// The marks the main area would show for each visible curve, at this view.
// A curve the sliders moved stands apart from its lines' marks.
void PlotWindow::showKeyPoints() {
    std::vector<PlotView::CurveMarks> marks;
    if (window_.keyPoints()) {
        const std::size_t count = std::min({curves_.size(), shown_.size(), hidden_.size()});
        for (std::size_t i = 0; i < count; ++i) {
            if (hidden_[i] || !(shown_[i] == curves_[i]))
                continue;
            marks.push_back({curveMarksInView(window_.session().markedLinesOn({curves_[i]}),
                                              curves_[i], plot_->view().region()),
                             curvePaletteColour(static_cast<int>(i))});
        }
    }
    plot_->setKeyMarks(std::move(marks));
}

std::vector<double> PlotWindow::markXs(std::size_t curve) const {
    if (curve >= shown_.size() || curve >= curves_.size() || !(shown_[curve] == curves_[curve]))
        return {};
    return oltrave::markXs(curveMarksInView(window_.session().markedLinesOn({curves_[curve]}),
                                            curves_[curve], plot_->view().region()));
}

void PlotWindow::findIntersections() {
    meetings_->clear();
    std::vector<QPointF> marks;
    if (intersections_->isChecked()) {
        const PlaneView& view = plot_->view();
        const double reach = std::max(std::fabs(view.left()), std::fabs(view.right()));
        const bool exact = window_.exactValues();
        for (std::size_t a = 0; a < shown_.size(); ++a) {
            for (std::size_t b = a + 1; b < shown_.size(); ++b) {
                if (hidden_[a] || hidden_[b] || shown_[a] == shown_[b])
                    continue;
                const Intersections found = intersect(analysedCurve(shown_[a], exact),
                                                      analysedCurve(shown_[b], exact), reach);
                for (const Intersection& p : found.points) {
                    if (p.x.value < view.left() || p.x.value > view.right())
                        continue;
                    marks.emplace_back(p.x.value, p.y.value);
                    meetings_->addItem(tr("Curves %1 and %2: ( %3 , %4 )")
                                           .arg(a + 1)
                                           .arg(b + 1)
                                           .arg(QString::fromStdString(numberText(p.x)),
                                                QString::fromStdString(numberText(p.y))));
                }
            }
        }
    }
    plot_->setMarks(std::move(marks));
}

QString PlotWindow::readoutText() const {
    return trace_->readoutText();
}

QStringList PlotWindow::legendTexts() const {
    QStringList texts;
    for (int i = 0; i < legend_->count(); ++i)
        texts << legend_->item(i)->text();
    return texts;
}

QStringList PlotWindow::intersectionTexts() const {
    QStringList texts;
    for (int i = 0; i < meetings_->count(); ++i)
        texts << meetings_->item(i)->text();
    return texts;
}

} // namespace oltrave
