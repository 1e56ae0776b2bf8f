#pragma once

#include <vector>

#include <QObject>

class QGridLayout;
class QLabel;
class QLineEdit;

namespace oltrave {

class ParameterSlider;
class ValueSlider;

// One coefficient's line of the plot window's sliders: its name, the slider,
// the value (typed or shown) and the range's ends and step, all editable.
class CoefficientRow : public QObject {
    Q_OBJECT
public:
    // Its widgets go into one row of grid.
    CoefficientRow(ParameterSlider& model, const QString& name, QGridLayout& grid, int row,
                   QObject* parent);
    ~CoefficientRow() override;

    ValueSlider& slider() const { return *slider_; }
    QLineEdit& valueBox() const { return *value_; }
    QLineEdit& lowBox() const { return *low_; }
    QLineEdit& highBox() const { return *high_; }
    QLineEdit& stepBox() const { return *step_; }

    // Play's frame: the slider at position, told as a move of its own.
    void showPosition(int position);
    // Changed rows of the analysis, told with the value to screen readers.
    void describeChange(const QString& rows);
    // Its words in the language now chosen.
    void retranslate();

signals:
    // The value changed, by the slider or Play.
    void moved();
    // The person moved the slider or edited a box.
    void edited();

private:
    void show();
    void enter(QLineEdit* box, bool (ParameterSlider::*edit)(std::string_view));

    ParameterSlider& model_;
    QString name_;
    QLabel* label_ = nullptr;
    ValueSlider* slider_ = nullptr;
    QLineEdit* value_ = nullptr;
    QLineEdit* low_ = nullptr;
    QLineEdit* high_ = nullptr;
    QLineEdit* step_ = nullptr;
    QLabel* from_ = nullptr;
    QLabel* to_ = nullptr;
    QLabel* stepWord_ = nullptr;
    std::vector<QWidget*> placed_; // in the grid, left to right
    bool showing_ = false;         // the slider follows the model, not the person
};

} // namespace oltrave
