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

QImage renderArt(const QString& path, qreal devicePixelRatio, QSize size) {
    initArt();
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    if (size.isEmpty())
        size = renderer.defaultSize();
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

const QImage& CachedArt::at(qreal devicePixelRatio) {
    if (image_.isNull() || image_.devicePixelRatio() != devicePixelRatio)
        image_ = renderArt(path_, devicePixelRatio);
    return image_;
}

} // namespace oltrave
