#include "sliderpanel.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/analysis.h"
#include "analysis/plotted.h"
#include "analysis/rows.h"
#include "coefficientrow.h"
#include "mainwindow.h"
#include "playcontrols.h"
#include "shapestrip.h"

namespace oltrave {

SliderPanel::SliderPanel(MainWindow& window, QWidget* parent) : QWidget(parent), window_(window) {
    setObjectName(QStringLiteral("sliders"));
    chooser_ = new QComboBox;
    chooser_->setObjectName(QStringLiteral("slidercurve"));
    chooser_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    chooser_->setMinimumContentsLength(30);
    curveLabel_ = new QLabel;
    curveLabel_->setBuddy(chooser_);
    grid_ = new QGridLayout;
    play_ = new PlayControls;
    apply_ = new QPushButton;
    apply_->setObjectName(QStringLiteral("applysliders"));
    reset_ = new QPushButton;
    reset_->setObjectName(QStringLiteral("resetsliders"));
    strip_ = new ShapeStrip;
    retranslate();

    auto* top = new QHBoxLayout;
    top->addWidget(curveLabel_);
    top->addWidget(chooser_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(play_, 1);
    bottom->addWidget(reset_);
    bottom->addWidget(apply_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grid_);
    layout->addWidget(strip_);
    layout->addLayout(bottom);
    layout->addStretch();

    connect(chooser_, &QComboBox::activated, this, &SliderPanel::choose);
    connect(apply_, &QPushButton::clicked, this, &SliderPanel::apply);
    connect(reset_, &QPushButton::clicked, this, [this] {
        stop();
        rebuild();
    });
    connect(play_, &PlayControls::playRequested, this, [this](int which) {
        if (!sliders_ || which < 0 || which >= static_cast<int>(rows_.size())) {
            play_->stop();
            return;
        }
        const ParameterSlider& slider =
            sliders_->slider(sliders_->boxes()[static_cast<std::size_t>(which)]);
        play_->start(slider.positions(), slider.position());
    });
    connect(play_, &PlayControls::frame, this, [this](int which, int position) {
        if (which >= 0 && which < static_cast<int>(rows_.size()))
            rows_[static_cast<std::size_t>(which)]->showPosition(position);
    });
    connect(play_, &PlayControls::stopped, this, &SliderPanel::curveMoved); // the trace goes
    setEnabled(false);
}

SliderPanel::~SliderPanel() = default;

void SliderPanel::retranslate() {
    chooser_->setAccessibleName(tr("Curve to move"));
    curveLabel_->setText(tr("Curve"));
    apply_->setText(tr("Apply"));
    apply_->setToolTip(tr("Enter these values in the main window and print the curve"));
    reset_->setText(tr("Reset"));
    reset_->setToolTip(tr("Put the sliders back where the curve was drawn"));
    for (const std::unique_ptr<CoefficientRow>& row : rows_)
        row->retranslate();
}

void SliderPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        // The strip's words come from the analysis, in the language now chosen.
        showStrip();
    }
    QWidget::changeEvent(event);
}

void SliderPanel::setCurves(const std::vector<DrawnCurve>& curves, const QStringList& names) {
    const int last = static_cast<int>(curves.size()) - 1;
    int chosen = last; // a new curve, or the one chosen is gone
    if (curves.size() <= curves_.size() && chosen_ >= 0 && chosen_ <= last &&
        curves[static_cast<std::size_t>(chosen_)] == curves_[static_cast<std::size_t>(chosen_)])
        chosen = chosen_;
    const bool same =
        chosen == chosen_ && chosen >= 0 && static_cast<std::size_t>(chosen) < curves_.size() &&
        curves[static_cast<std::size_t>(chosen)] == curves_[static_cast<std::size_t>(chosen)];
    curves_ = curves;
    {
        const QSignalBlocker quiet(chooser_);
        chooser_->clear();
        for (int i = 0; i < names.size(); ++i)
            chooser_->addItem(QStringLiteral("%1: %2").arg(i + 1).arg(names[i]));
        chooser_->setCurrentIndex(chosen);
    }
    setEnabled(!curves_.empty());
    if (!same)
        choose(chosen);
}

void SliderPanel::choose(int index) {
    stop();
    chosen_ = index;
    rebuild();
}

void SliderPanel::rebuild() {
    stop();
    rows_.clear();
    sliders_.reset();
    rowsTold_.clear();
    if (chosen_ < 0 || static_cast<std::size_t>(chosen_) >= curves_.size()) {
        play_->setNames({});
        stripBox_ = -1;
        strip_->clear();
        window_.setPreview(std::nullopt);
        emit curveMoved();
        return;
    }
    const DrawnCurve& curve = curves_[static_cast<std::size_t>(chosen_)];
    // A curve printed in exact mode keeps what its boxes read; the newest is
    // read from the boxes again, in case exact mode came on since.
    RealCoefficients typed;
    for (std::size_t i = 0; i < typed.size(); ++i)
        typed[i] = Real(curve.coef[i], curve.exact[i]);
    if (static_cast<std::size_t>(chosen_) + 1 == curves_.size()) {
        if (const std::optional<AnalysedCurve> plotted = plottedCurve(window_.form()))
            typed = plotted->coef;
    }
    sliders_.emplace(curve, typed, window_.exactValues());
    QStringList names;
    int line = 0;
    for (int box : sliders_->boxes()) {
        const QString name = QString::fromStdString(sliders_->name(box));
        names << name;
        auto row =
            std::make_unique<CoefficientRow>(sliders_->slider(box), name, *grid_, line++, nullptr);
        CoefficientRow* shown = row.get();
        connect(shown, &CoefficientRow::edited, this, [this, box] {
            stop();
            stripBox_ = box; // its range may have changed
            showStrip();
        });
        connect(shown, &CoefficientRow::moved, this, [this, shown, box] {
            stripBox_ = box;
            followMove();
            if (!play_->playing()) // a sweep is heard when it stops, not each frame
                tellChangedRows(*shown);
        });
        rows_.push_back(std::move(row));
    }
    play_->setNames(names);
    stripBox_ = sliders_->boxes().empty() ? -1 : sliders_->boxes().front();
    rowsTold_ = analysisTexts();
    followMove();
}

std::optional<std::size_t> SliderPanel::chosen() const {
    if (!sliders_)
        return std::nullopt;
    return static_cast<std::size_t>(chosen_);
}

std::optional<DrawnCurve> SliderPanel::moved() const {
    if (!sliders_)
        return std::nullopt;
    DrawnCurve curve = sliders_->curve();
    if (curve == sliders_->original())
        return std::nullopt;
    return curve;
}

std::vector<DrawnCurve> SliderPanel::trace() const {
    std::vector<DrawnCurve> curves;
    const int which = play_->chosen();
    if (!sliders_ || which < 0 || which >= static_cast<int>(sliders_->boxes().size()))
        return curves;
    const int box = sliders_->boxes()[static_cast<std::size_t>(which)];
    for (int position : play_->trace())
        curves.push_back(sliders_->curveWith(box, position));
    return curves;
}

CoefficientRow* SliderPanel::row(int box) const {
    if (!sliders_)
        return nullptr;
    const std::vector<int>& boxes = sliders_->boxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i] == box)
            return rows_[i].get();
    }
    return nullptr;
}

void SliderPanel::stop() {
    play_->stop();
}

void SliderPanel::apply() {
    if (!sliders_)
        return;
    stop();
    const CurveEntry entry = sliders_->entry();
    window_.printEntered(entry);
    window_.setPreview(std::nullopt);
}

void SliderPanel::followMove() {
    if (moved())
        window_.setPreview(AnalysedCurve{sliders_->family(), sliders_->original().absmode,
                                         sliders_->coefficients()});
    else
        window_.setPreview(std::nullopt);
    showStrip();
    emit curveMoved();
}

void SliderPanel::showStrip() {
    if (!sliders_ || stripBox_ < 0) {
        strip_->clear();
        return;
    }
    const ParameterSlider& slider = sliders_->slider(stripBox_);
    strip_->follow(*sliders_->family(), sliders_->original().absmode, sliders_->coefficients(),
                   stripBox_, QString::fromStdString(sliders_->name(stripBox_)), slider.low().value,
                   slider.high().value);
}

std::vector<std::string> SliderPanel::analysisTexts() const {
    std::vector<std::string> rows;
    if (const std::optional<Analysis> analysis =
            analyse(*sliders_->family(), sliders_->original().absmode, sliders_->coefficients()))
        for (const AnalysisRow& r : analysisRows(*analysis))
            rows.push_back(r.text());
    return rows;
}

// A screen reader hears the value (the slider says it) and the rows of the
// analysis that changed with it.
void SliderPanel::tellChangedRows(CoefficientRow& row) {
    if (!sliders_)
        return;
    std::vector<std::string> rows = analysisTexts();
    QStringList changed;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i >= rowsTold_.size() || rows[i] != rowsTold_[i])
            changed << QString::fromStdString(rows[i]);
    }
    if (rows.empty())
        changed << tr("Not a function of this family");
    rowsTold_ = std::move(rows);
    row.describeChange(changed.join(QStringLiteral("; ")));
}

} // namespace oltrave
