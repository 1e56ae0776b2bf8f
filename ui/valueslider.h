#pragma once

#include <QSlider>
#include <QString>

namespace oltrave {

// A coefficient's slider. Its positions are whole numbers; a screen reader is
// told the coefficient's value instead ("c = 1/4"), with its range and step.
class ValueSlider : public QSlider {
    Q_OBJECT
public:
    explicit ValueSlider(QWidget* parent = nullptr);

    // What the positions stand for, told to screen readers.
    void describe(const QString& valueText, double value, double low, double high, double step);

    const QString& valueText() const { return valueText_; }
    double shownValue() const { return value_; }
    double low() const { return low_; }
    double high() const { return high_; }
    double step() const { return step_; }

private:
    QString valueText_;
    double value_ = 0;
    double low_ = 0;
    double high_ = 0;
    double step_ = 0;
};

} // namespace oltrave
