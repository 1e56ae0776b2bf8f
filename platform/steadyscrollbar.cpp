#include "steadyscrollbar.h"

#include <QStyle>
#include <QStyleOptionSlider>

namespace oltrave {

SteadyScrollBar::SteadyScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {}

SteadyScrollBar::Hold::Hold(SteadyScrollBar& bar) : bar_(bar) {
    ++bar_.holds_;
}

SteadyScrollBar::Hold::~Hold() {
    if (--bar_.holds_ == 0)
        bar_.repaintIfChanged();
}

SteadyScrollBar::Look SteadyScrollBar::look() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    Look now;
    now.handle =
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    now.atMinimum = value() == minimum();
    now.atMaximum = value() == maximum();
    return now;
}

void SteadyScrollBar::repaintIfChanged() {
    // Whatever else changes the picture (size, style, hover, a press) asks
    // for its own repaint; only range and value are judged here.
    if (!everPainted_ || !(look() == painted_))
        update();
}

void SteadyScrollBar::sliderChange(SliderChange /*change*/) {
    // The plain bar repaints on every change.
    if (holds_ == 0)
        repaintIfChanged();
}

void SteadyScrollBar::paintEvent(QPaintEvent* event) {
    painted_ = look();
    everPainted_ = true;
    QScrollBar::paintEvent(event);
}

} // namespace oltrave
