#include "backdrop.h"

#include <QPaintEvent>
#include <QPainter>

namespace oltrave {

void Backdrop::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Shows wherever the picture does not reach.
    painter.fillRect(event->rect(), QColor(0xE0, 0xE0, 0xE0));
    painter.drawImage(0, 0, picture_.partAt(devicePixelRatioF(), size()));
}

} // namespace oltrave
