#include "coefficientrow.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "model/parameterslider.h"
#include "valueslider.h"

namespace oltrave {

namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

QLineEdit* numberBox(int width) {
    auto* box = new QLineEdit;
    box->setFixedWidth(width);
    return box;
}

} // namespace

CoefficientRow::CoefficientRow(ParameterSlider& model, const QString& name, QGridLayout& grid,
                               int row, QObject* parent)
    : QObject(parent), model_(model), name_(name) {
    label_ = new QLabel(name);
    slider_ = new ValueSlider;
    slider_->setObjectName(QStringLiteral("slider.") + name);
    slider_->setAccessibleName(name);
    slider_->setMinimumWidth(220);
    label_->setBuddy(slider_);
    value_ = numberBox(90);
    value_->setObjectName(QStringLiteral("value.") + name);
    low_ = numberBox(60);
    low_->setObjectName(QStringLiteral("low.") + name);
    high_ = numberBox(60);
    high_->setObjectName(QStringLiteral("high.") + name);
    step_ = numberBox(60);
    step_->setObjectName(QStringLiteral("step.") + name);
    from_ = new QLabel;
    to_ = new QLabel;
    stepWord_ = new QLabel;
    retranslate();
    // Left to right; the row takes away what it placed.
    placed_ = {label_, slider_, value_, from_, low_, to_, high_, stepWord_, step_};
    for (std::size_t column = 0; column < placed_.size(); ++column)
        grid.addWidget(placed_[column], row, static_cast<int>(column));

    connect(slider_, &QSlider::valueChanged, this, [this](int position) {
        if (showing_)
            return;
        model_.setPosition(position);
        show();
        emit edited();
        emit moved();
    });
    connect(value_, &QLineEdit::editingFinished, this,
            [this] { enter(value_, &ParameterSlider::enterValue); });
    connect(low_, &QLineEdit::editingFinished, this,
            [this] { enter(low_, &ParameterSlider::enterLow); });
    connect(high_, &QLineEdit::editingFinished, this,
            [this] { enter(high_, &ParameterSlider::enterHigh); });
    connect(step_, &QLineEdit::editingFinished, this,
            [this] { enter(step_, &ParameterSlider::enterStep); });
    show();
}

// The widgets belong to the grid's owner, which lays out the next curve's rows.
CoefficientRow::~CoefficientRow() {
    for (QWidget* widget : placed_)
        delete widget;
}

void CoefficientRow::enter(QLineEdit* box, bool (ParameterSlider::*edit)(std::string_view)) {
    if (!box->isModified())
        return; // focus passing through
    const QString before = qs(model_.text(model_.value()));
    // A text that is no number goes back to what the slider holds.
    if ((model_.*edit)(box->text().toStdString()))
        emit edited();
    show();
    if (qs(model_.text(model_.value())) != before)
        emit moved();
}

void CoefficientRow::showPosition(int position) {
    model_.setPosition(position);
    show();
    emit moved();
}

void CoefficientRow::show() {
    showing_ = true;
    slider_->setRange(0, model_.positions() - 1);
    slider_->setValue(model_.position());
    showing_ = false;
    const QString value = qs(model_.text(model_.value()));
    value_->setText(value);
    low_->setText(qs(model_.text(model_.low())));
    high_->setText(qs(model_.text(model_.high())));
    step_->setText(qs(model_.text(model_.step())));
    slider_->describe(name_ + QStringLiteral(" = ") + value, model_.value().value,
                      model_.low().value, model_.high().value, model_.step().value);
}

void CoefficientRow::retranslate() {
    value_->setAccessibleName(tr("%1 value").arg(name_));
    low_->setAccessibleName(tr("%1 from").arg(name_));
    high_->setAccessibleName(tr("%1 to").arg(name_));
    step_->setAccessibleName(tr("%1 step").arg(name_));
    from_->setText(tr("from"));
    to_->setText(tr("to"));
    stepWord_->setText(tr("step"));
}

void CoefficientRow::describeChange(const QString& rows) {
    slider_->setAccessibleDescription(rows);
}

} // namespace oltrave
