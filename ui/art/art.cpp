#include "art.h"

#include <QPainter>
#include <QSvgRenderer>

// Outside the namespace: the macro declares a global function.
static void registerArtResources() {
    Q_INIT_RESOURCE(art);
}

namespace oltrave {

void initArt() {
    static const bool registered = (registerArtResources(), true);
    (void)registered;
}

QSize artSize(const QString& path) {
    initArt();
    QSvgRenderer renderer(path);
    return renderer.isValid() ? renderer.defaultSize() : QSize();
}

namespace {

// The picture at its own scale, on an image of a logical size.
QImage drawArt(QSvgRenderer& renderer, qreal devicePixelRatio, QSize imageSize, QSize drawnSize) {
    QImage image(imageSize * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(drawnSize)));
    return image;
}

} // namespace

QImage renderArt(const QString& path, qreal devicePixelRatio, QSize size) {
    initArt();
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    if (size.isEmpty())
        size = renderer.defaultSize();
    return drawArt(renderer, devicePixelRatio, size, size);
}

QImage renderArtPart(const QString& path, qreal devicePixelRatio, QSize part) {
    initArt();
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    const QSize own = renderer.defaultSize();
    return drawArt(renderer, devicePixelRatio, own.boundedTo(part), own);
}

const QImage& CachedArt::at(qreal devicePixelRatio) {
    if (image_.isNull() || image_.devicePixelRatio() != devicePixelRatio || part_.isValid()) {
        image_ = renderArt(path_, devicePixelRatio);
        part_ = QSize();
    }
    return image_;
}

const QImage& CachedArt::partAt(qreal devicePixelRatio, QSize part) {
    if (image_.isNull() || image_.devicePixelRatio() != devicePixelRatio || part != part_) {
        image_ = renderArtPart(path_, devicePixelRatio, part);
        part_ = part;
    }
    return image_;
}

} // namespace oltrave
