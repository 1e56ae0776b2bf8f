#include "valueslider.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

namespace oltrave {

namespace {

class ValueSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ValueSliderAccessible(ValueSlider* slider)
        : QAccessibleWidget(slider, QAccessible::Slider) {}

    ValueSlider* slider() const { return static_cast<ValueSlider*>(object()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return slider()->valueText();
        return QAccessibleWidget::text(t);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return slider()->shownValue(); }
    // A screen reader's setting goes to the nearest position.
    void setCurrentValue(const QVariant& value) override {
        const ValueSlider* s = slider();
        if (s->step() <= 0)
            return;
        slider()->setValue(
            static_cast<int>(std::lround((value.toDouble() - s->low()) / s->step())));
    }
    QVariant maximumValue() const override { return slider()->high(); }
    QVariant minimumValue() const override { return slider()->low(); }
    QVariant minimumStepSize() const override { return slider()->step(); }
};

QAccessibleInterface* valueSliderFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(ValueSlider::staticMetaObject.className()))
        return nullptr;
    return new ValueSliderAccessible(static_cast<ValueSlider*>(object));
}

} // namespace

ValueSlider::ValueSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    static const bool installed = (QAccessible::installFactory(valueSliderFactory), true);
    (void)installed;
    setSingleStep(1);
    setPageStep(10); // Page Up and Page Down: ten steps
    setFocusPolicy(Qt::StrongFocus);
}

void ValueSlider::describe(const QString& valueText, double value, double low, double high,
                           double step) {
    const bool changed = valueText != valueText_;
    valueText_ = valueText;
    value_ = value;
    low_ = low;
    high_ = high;
    step_ = step;
    if (changed && QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, value);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace oltrave
