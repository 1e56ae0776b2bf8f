#include "art.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
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

namespace {

// The toolkit's own SVG reader, a plug-in it opens on the first picture asked
// for: drawing the pictures then costs nothing at a start that draws none.
QImage render(QIODevice& svg, qreal devicePixelRatio, QSize size) {
    QImageReader reader(&svg, "svg");
    if (size.isEmpty())
        size = reader.size();
    if (size.isEmpty())
        return {};
    reader.setScaledSize(size * devicePixelRatio);
    QImage image = reader.read();
    if (image.isNull())
        return {};
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

} // namespace

QSize artSize(const QString& path) {
    initArt();
    QImageReader reader(path, "svg");
    return reader.canRead() ? reader.size() : QSize();
}

QImage renderArt(const QString& path, qreal devicePixelRatio, QSize size) {
    initArt();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return render(file, devicePixelRatio, size);
}

QImage renderArtData(const QByteArray& svg, qreal devicePixelRatio, QSize size) {
    QBuffer buffer;
    buffer.setData(svg);
    buffer.open(QIODevice::ReadOnly);
    return render(buffer, devicePixelRatio, size);
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

} // namespace oltrave
