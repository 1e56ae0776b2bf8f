#include "plotwindow.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QFileDialog>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QSvgGenerator>
#include <QTimer>
#include <memory>

#include "analysis/intersect.h"
#include "analysis/rows.h"
#include "mainwindow.h"
#include "model/form.h"
#include "model/numtext.h"
#include "output/gridpainter.h"
#include "overlay/ticks.h"
#include "platform/settings.h"
#include "plotview.h"
#include "sliderpanel.h"

namespace oltrave {

namespace {

const QString kGeometryKey = QStringLiteral("plotWindow/geometry");

constexpr int kTraceAlpha = 60; // of 255

const char* const kModeTexts[] = {"", "| f(x) |  ", "f( | x | )  "};

// "y = a x ^ 2 + b x + c   a = 1, b = -2, c = -3", with the mode before it.
QString legendText(const DrawnCurve& curve) {
    const FamilyDescription* family = familyDescription(curve.family);
    if (!family)
        return {};
    QString text = QString::fromUtf8(kModeTexts[family->hasModes ? curve.absmode : 0]);
    text += QString::fromUtf8(family->formulaTemplate.data(),
                              static_cast<qsizetype>(family->formulaTemplate.size()));
    QStringList values;
    for (std::size_t i = 0; i < family->captions.size(); ++i) {
        if (family->captions[i].empty())
            continue;
        values << QString::fromUtf8(family->captions[i].data(),
                                    static_cast<qsizetype>(family->captions[i].size())) +
                      QLatin1Char(' ') + QString::fromStdString(numtext(curve.coef[i]));
    }
    return text + QStringLiteral("   ") + values.join(QStringLiteral(", "));
}

AnalysedCurve analysedCurveOf(const DrawnCurve& curve) {
    AnalysedCurve analysed{familyDescription(curve.family), curve.absmode, {}};
    for (std::size_t i = 0; i < analysed.coef.size(); ++i)
        analysed.coef[i] = Real(curve.coef[i]);
    return analysed;
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
            connect(&window, &MainWindow::exactValuesToggled, *plot,
                    [p = plot->data()] { p->sliders_->rebuild(); });
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
    setWindowTitle(tr("Plot"));
    resize(900, 640);
    // Its size and place as last left.
    restoreGeometry(programSettings().value(kGeometryKey).toByteArray());
    plot_ = new PlotView(this);
    setCentralWidget(plot_);

    legend_ = new QListWidget;
    legend_->setObjectName(QStringLiteral("legend"));
    legend_->setAccessibleName(tr("Curves"));
    auto* curvesDock = new QDockWidget(tr("Curves"), this);
    curvesDock->setWidget(legend_);
    addDockWidget(Qt::RightDockWidgetArea, curvesDock);
    meetings_ = new QListWidget;
    meetings_->setObjectName(QStringLiteral("intersections"));
    meetings_->setAccessibleName(tr("Intersections"));
    auto* meetingsDock = new QDockWidget(tr("Intersections"), this);
    meetingsDock->setWidget(meetings_);
    addDockWidget(Qt::RightDockWidgetArea, meetingsDock);
    sliders_ = new SliderPanel(window, this);
    auto* slidersDock = new QDockWidget(tr("Sliders"), this);
    slidersDock->setObjectName(QStringLiteral("slidersdock"));
    slidersDock->setWidget(sliders_);
    addDockWidget(Qt::BottomDockWidgetArea, slidersDock);
    connect(sliders_, &SliderPanel::curveMoved, this, &PlotWindow::showCurves);

    QMenu* file = menuBar()->addMenu(tr("File(&F)"));
    connect(file->addAction(tr("Export PNG...")), &QAction::triggered, this,
            [this] { exportPicture(false); });
    connect(file->addAction(tr("Export SVG...")), &QAction::triggered, this,
            [this] { exportPicture(true); });
    QMenu* view = menuBar()->addMenu(tr("View(&V)"));
    fill_ = view->addAction(tr("Fill"));
    fill_->setCheckable(true);
    connect(fill_, &QAction::toggled, this, [this](bool on) { plot_->setEqualUnits(!on); });
    piTicks_ = view->addAction(tr("π Ticks for Periodic Curves"));
    piTicks_->setCheckable(true);
    piTicks_->setChecked(true);
    connect(piTicks_, &QAction::toggled, this, [this] { showCurves(); });
    intersections_ = view->addAction(tr("Intersections"));
    intersections_->setCheckable(true);
    intersections_->setChecked(true);
    connect(intersections_, &QAction::toggled, this, [this, meetingsDock](bool on) {
        meetingsDock->setVisible(on);
        findIntersections();
    });
    QAction* home = view->addAction(tr("Home"));
    connect(home, &QAction::triggered, plot_, &PlotView::home);

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
    meetingTimer_->start();
}

void PlotWindow::findIntersections() {
    meetings_->clear();
    std::vector<QPointF> marks;
    if (intersections_->isChecked()) {
        const PlaneView& view = plot_->view();
        const double reach = std::max(std::fabs(view.left()), std::fabs(view.right()));
        for (std::size_t a = 0; a < shown_.size(); ++a) {
            for (std::size_t b = a + 1; b < shown_.size(); ++b) {
                if (hidden_[a] || hidden_[b] || shown_[a] == shown_[b])
                    continue;
                const Intersections found =
                    intersect(analysedCurveOf(shown_[a]), analysedCurveOf(shown_[b]), reach);
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

void PlotWindow::exportPicture(bool svg) {
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Export"), QString(),
                                     svg ? tr("SVG pictures (*.svg)") : tr("PNG pictures (*.png)"));
    if (path.isEmpty())
        return;
    if (svg) {
        QSvgGenerator generator;
        generator.setFileName(path);
        generator.setSize(plot_->size());
        generator.setViewBox(QRect(QPoint(0, 0), plot_->size()));
        QPainter painter(&generator);
        plot_->render(painter, QSizeF(plot_->size()));
    } else {
        plot_->picture(plot_->size()).save(path, "PNG");
    }
}

} // namespace oltrave
