#include "backdrop.h"

#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>

#include "colourtable.h"

namespace oltrave {

// It paints every pixel of its own: the window need not fill under it first.
Backdrop::Backdrop(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Backdrop::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect sky(QPoint(0, 0), kSky);
    for (const QRect& bare : event->region() - sky)
        painter.fillRect(bare, QColor::fromRgb(colours::kWindowGrey));
    QLinearGradient fall(0, 0, 0, kSky.height());
    fall.setColorAt(0, QColor::fromRgb(colours::kSkyTop));
    fall.setColorAt(1, QColor::fromRgb(colours::kSkyBottom));
    painter.fillRect(sky & event->rect(), fall);
}

} // namespace oltrave
