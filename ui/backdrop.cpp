#include "backdrop.h"

#include <QPaintEvent>
#include <QPainter>

#include "colourtable.h"

namespace oltrave {

void Backdrop::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Shows wherever the picture does not reach.
    for (const QRect& bare : event->region() - QRect(QPoint(0, 0), picture_.size()))
        painter.fillRect(bare, QColor::fromRgb(colours::kWindowGrey));
    picture_.paint(painter);
}

} // namespace oltrave
