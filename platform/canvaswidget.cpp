#include "canvaswidget.h"

#include <QPainter>
#include <QResizeEvent>
#include <cmath>
#include <limits>

#include "appearance.h"

namespace oltrave {

CanvasWidget::CanvasWidget(QWidget* parent) : QFrame(parent), background_(menuBarColour()) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitImage();
}

bool CanvasWidget::accepted(float v) {
    return std::isfinite(v) && std::fabs(v) <= std::numeric_limits<float>::max();
}

// Keeps the image as large as the client rectangle in device pixels; what was
// drawn survives a change of size or pixel ratio. A hidden widget learns of
// its new geometry late, so drawing calls check too.
void CanvasWidget::fitImage() {
    const qreal ratio = devicePixelRatioF();
    const QSize size = contentsRect().size() * ratio;
    if (image_.size() == size && !image_.isNull())
        return;
    QImage fitted(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    fitted.fill(background_);
    if (!image_.isNull()) {
        QPainter painter(&fitted);
        painter.drawImage(fitted.rect(), image_);
    }
    image_ = fitted;
    dotSize_ = std::max(1, static_cast<int>(std::lround(ratio)));
    updateMapping();
}

void CanvasWidget::updateMapping() {
    Scale scale = scale_;
    if (!userScale_) {
        const QSize logical = contentsRect().size();
        scale = {0, 0, double(logical.width()), double(logical.height())};
    }
    originX_ = scale.x1;
    originY_ = scale.y1;
    factorX_ = image_.width() / (scale.x2 - scale.x1);
    factorY_ = image_.height() / (scale.y2 - scale.y1);
}

bool CanvasWidget::setScale(float x1, float y1, float x2, float y2) {
    fitImage();
    if (!accepted(x1) || !accepted(y1) || !accepted(x2) || !accepted(y2))
        return false;
    if (x1 == x2 || y1 == y2)
        return false; // no area to map onto; the previous scale stays
    scale_ = {x1, y1, x2, y2};
    userScale_ = true;
    updateMapping();
    return true;
}

QPointF CanvasWidget::toDevice(float x, float y) const {
    return {(x - originX_) * factorX_, (y - originY_) * factorY_};
}

void CanvasWidget::clear() {
    fitImage();
    image_.fill(background_);
    lines_ = 0;
    points_ = 0;
    repaintSoon();
}

void CanvasWidget::line(float x1, float y1, float x2, float y2) {
    if (!accepted(x1) || !accepted(y1) || !accepted(x2) || !accepted(y2))
        return;
    ++lines_;
    fitImage();
    QPainter painter(&image_);
    painter.setPen(QPen(palette().color(QPalette::WindowText), dotSize_));
    painter.drawLine(QLineF(toDevice(x1, y1), toDevice(x2, y2)));
    repaintSoon();
}

// Written straight into the image: a curve is 20001 calls and must not cost a
// painter or a repaint each.
void CanvasWidget::point(float x, float y, Colour colour) {
    if (!accepted(x) || !accepted(y))
        return;
    ++points_;
    const QPointF at = toDevice(x, y);
    const double left = std::floor(at.x());
    const double top = std::floor(at.y());
    if (!(left >= 0 && left < image_.width() && top >= 0 && top < image_.height()))
        return; // outside the area: clipped
    const QRgb rgb = qRgb(colour.red(), colour.green(), colour.blue());
    const int x0 = static_cast<int>(left);
    const int y0 = static_cast<int>(top);
    const int x1 = std::min(x0 + dotSize_, image_.width());
    const int y1 = std::min(y0 + dotSize_, image_.height());
    for (int row = y0; row < y1; ++row) {
        auto* pixels = reinterpret_cast<QRgb*>(image_.scanLine(row));
        for (int col = x0; col < x1; ++col)
            pixels[col] = rgb;
    }
    repaintSoon();
}

// One repaint request per batch of drawing, however many calls it holds.
void CanvasWidget::repaintSoon() {
    if (repaintPending_)
        return;
    repaintPending_ = true;
    update();
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    repaintPending_ = false;
    fitImage();
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(QRectF(contentsRect()), image_);
}

void CanvasWidget::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    fitImage();
}

} // namespace oltrave
