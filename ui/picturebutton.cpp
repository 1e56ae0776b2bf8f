#include "picturebutton.h"

#include <QPainter>

namespace oltrave {

namespace {

// Keeps the ring clear of the picture's rounded border.
constexpr int kRingInset = 3;

} // namespace

PictureButton::PictureButton(const QString& picture, const QString& caption, QWidget* parent)
    : KeyboardButton(caption, parent), picture_(picture) {}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, picture_.at(devicePixelRatioF()));
    paintFocusRing(painter, kRingInset);
}

} // namespace oltrave
