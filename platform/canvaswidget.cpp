#include "canvaswidget.h"

#include <QImageWriter>
#include <QPainter>
#include <QResizeEvent>

#include "appearance.h"
#include "imageformat.h"
#include "savefile.h"

namespace oltrave {

CanvasWidget::CanvasWidget(QWidget* parent)
    : QFrame(parent), drawing_(menuBarColour(), palette().color(QPalette::WindowText)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kFrameWidth);
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitImage();
}

// One repaint request per batch of drawing, however many calls it holds.
void CanvasWidget::repaintIfChanged() {
    if (!drawing_.takeChanged() || repaintPending_)
        return;
    repaintPending_ = true;
    update();
}

// Keeps the image as large as the client rectangle in device pixels; what was
// drawn survives a change of size or pixel ratio. A hidden widget learns of
// its new geometry late, so drawing calls check too.
void CanvasWidget::fitImage() {
    drawing_.fit(contentsRect().size(), devicePixelRatioF());
}

bool CanvasWidget::setScale(float x1, float y1, float x2, float y2) {
    fitImage();
    return drawing_.setScale(x1, y1, x2, y2);
}

void CanvasWidget::clear() {
    fitImage();
    drawing_.clear();
    repaintIfChanged();
}

void CanvasWidget::line(float x1, float y1, float x2, float y2) {
    fitImage();
    drawing_.setInk(palette().color(QPalette::WindowText));
    drawing_.line(x1, y1, x2, y2);
    repaintIfChanged();
}

void CanvasWidget::point(float x, float y, Colour colour) {
    drawing_.point(x, y, colour);
    repaintIfChanged();
}

void CanvasWidget::points(const CanvasPoint* first, std::size_t count, Colour colour) {
    drawing_.points(first, count, colour);
    repaintIfChanged();
}

QString CanvasWidget::saveImage(const QString& path) const {
    const ImageTarget target = imageTarget(path);
    if (!target.error.isEmpty())
        return target.error;
    return saveFile(target.path, [this, &target](QIODevice& device, QString& error) {
        QImageWriter writer(&device, target.format);
        if (writer.write(drawing_.image()))
            return true;
        error = writer.errorString();
        return false;
    });
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    repaintPending_ = false;
    fitImage();
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(QRectF(contentsRect()), drawing_.image());
}

void CanvasWidget::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    fitImage();
}

} // namespace oltrave
