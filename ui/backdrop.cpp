#include "backdrop.h"

#include <QLinearGradient>
#include <QPainter>

#include "picturebutton.h"

namespace oltrave {

namespace {
// The background picture's size in pixels; the window shows its upper part.
constexpr QSizeF kPictureSize(1163, 850);
} // namespace

void Backdrop::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xE0, 0xE0, 0xE0));
    const QRectF picture(QPointF(0, 0), kPictureSize);
    if (paintArtwork(painter, QStringLiteral(":/art/background.svg"), picture))
        return;
    QLinearGradient gradient(picture.topLeft(), picture.bottomLeft());
    gradient.setColorAt(0, QColor(200, 225, 255)); // light blue
    gradient.setColorAt(1, QColor(230, 230, 250)); // lavender
    painter.fillRect(picture, gradient);
}

} // namespace oltrave
