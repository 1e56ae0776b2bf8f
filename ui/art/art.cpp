#include "art.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

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

// The whole picture scaled into a logical size from the top-left corner.
void paintArt(QSvgRenderer& renderer, QPainter& painter, QSize size) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
}

QImage render(QSvgRenderer& renderer, qreal devicePixelRatio, QSize size) {
    if (!renderer.isValid())
        return {};
    if (size.isEmpty())
        size = renderer.defaultSize();
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintArt(renderer, painter, size);
    return image;
}

} // namespace

QImage renderArt(const QString& path, qreal devicePixelRatio, QSize size) {
    initArt();
    QSvgRenderer renderer(path);
    return render(renderer, devicePixelRatio, size);
}

QImage renderArtData(const QByteArray& svg, qreal devicePixelRatio, QSize size) {
    QSvgRenderer renderer(svg);
    return render(renderer, devicePixelRatio, size);
}

QByteArray artData(const QString& path) {
    initArt();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

CachedArt CachedArt::fromSvg(QByteArray svg) {
    CachedArt art{QString()};
    art.svg_ = std::move(svg);
    return art;
}

ArtWords artWords(const QString& path) {
    return artWordsOf(artData(path));
}

ArtWords artWordsOf(const QByteArray& data) {
    ArtWords words;
    QXmlStreamReader svg(data);
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = svg.name();
        if (name == QLatin1String("title"))
            words.title = svg.readElementText().simplified();
        else if (name == QLatin1String("text"))
            words.lines << svg.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
    }
    return svg.hasError() ? ArtWords() : words;
}

const QImage& CachedArt::at(qreal devicePixelRatio) {
    if (image_.isNull() || image_.devicePixelRatio() != devicePixelRatio)
        image_ = svg_.isEmpty() ? renderArt(path_, devicePixelRatio)
                                : renderArtData(svg_, devicePixelRatio);
    return image_;
}

PaintedArt::PaintedArt(const QString& path) {
    initArt();
    renderer_ = std::make_unique<QSvgRenderer>(path);
}

PaintedArt::~PaintedArt() = default;

QSize PaintedArt::size() const {
    return renderer_->isValid() ? renderer_->defaultSize() : QSize();
}

void PaintedArt::paint(QPainter& painter) const {
    if (!renderer_->isValid())
        return;
    painter.save();
    paintArt(*renderer_, painter, renderer_->defaultSize());
    painter.restore();
}

} // namespace oltrave
