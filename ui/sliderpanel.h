#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/curvesliders.h"
#include "model/drawncurve.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;

namespace oltrave {

class CoefficientRow;
class MainWindow;
class PlayControls;
class ShapeStrip;

// The plot window's sliders: a chooser of the curves drawn since the last
// Clear (the newest by default), one slider per coefficient of the chosen
// curve, Play, and Apply, which prints the curve as the sliders put it. The
// session is not touched before Apply; the plot and the analysis panel show
// the moved curve meanwhile.
class SliderPanel : public QWidget {
    Q_OBJECT
public:
    SliderPanel(MainWindow& window, QWidget* parent = nullptr);
    ~SliderPanel() override;

    // The curves drawn since the last Clear with their legend's texts.
    void setCurves(const std::vector<DrawnCurve>& curves, const QStringList& names);
    // The sliders anew around the chosen curve (exact mode was switched).
    void rebuild();

    // The index of the chosen curve, and where the sliders put it while they
    // moved it from where it was drawn.
    std::optional<std::size_t> chosen() const;
    std::optional<DrawnCurve> moved() const;
    // Earlier curves Play passed, to draw faintly.
    std::vector<DrawnCurve> trace() const;

    PlayControls& play() const { return *play_; }
    ShapeStrip& strip() const { return *strip_; }
    CoefficientRow* row(int box) const;
    void apply();
    void stop();

signals:
    // The chosen curve moved, or another was chosen.
    void curveMoved();

protected:
    void changeEvent(QEvent* event) override;

private:
    // Every word of the panel; said again when the language changes.
    void retranslate();
    void choose(int index);
    void followMove();
    void tellChangedRows(CoefficientRow& row);
    std::vector<std::string> analysisTexts() const;
    void showStrip();

    MainWindow& window_;
    QComboBox* chooser_ = nullptr;
    QLabel* curveLabel_ = nullptr;
    QGridLayout* grid_ = nullptr;
    PlayControls* play_ = nullptr;
    QPushButton* apply_ = nullptr;
    QPushButton* reset_ = nullptr;
    ShapeStrip* strip_ = nullptr;
    int stripBox_ = -1; // the coefficient last moved, whose pieces the strip shows
    std::vector<DrawnCurve> curves_;
    int chosen_ = -1;
    std::optional<CurveSliders> sliders_;
    std::vector<std::unique_ptr<CoefficientRow>> rows_; // by position in sliders_->boxes()
    std::vector<std::string> rowsTold_; // the analysis rows a screen reader last heard
};

} // namespace oltrave
