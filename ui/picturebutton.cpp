#include "picturebutton.h"

#include <QPainter>

namespace oltrave {

PictureButton::PictureButton(const QString& picture, const QString& caption, QWidget* parent)
    : ClickableLabel(caption, parent), picture_(picture) {
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(caption);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, picture_.at(devicePixelRatioF()));
}

} // namespace oltrave
