#include "picturebutton.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace oltrave {

bool paintArtwork(QPainter& painter, const QString& picture, const QRectF& target) {
    if (!QFile::exists(picture))
        return false;
    QSvgRenderer renderer(picture);
    if (!renderer.isValid())
        return false;
    renderer.render(&painter, target);
    return true;
}

PictureButton::PictureButton(const QString& picture, const QString& caption, QWidget* parent)
    : ClickableLabel(caption, parent), picture_(picture) {
    setFocusPolicy(Qt::NoFocus);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (paintArtwork(painter, picture_, QRectF(rect())))
        return;
    // Stand-in until the artwork is there.
    painter.fillRect(rect(), QColor(236, 236, 252));
    painter.setPen(QColor(128, 128, 192));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(QColor(48, 48, 96));
    painter.drawText(rect(), Qt::AlignCenter, text());
}

} // namespace oltrave
