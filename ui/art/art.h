#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <utility>

namespace oltrave {

// Registers the pictures compiled into the program under ":/art/". They live in a
// static library, whose resources the linker would otherwise leave out; calling it
// again does nothing.
void initArt();

// The size a picture was drawn for, in logical pixels; empty when it cannot be read.
QSize artSize(const QString& path);

// Draws a picture at a logical size for a device pixel ratio, so it stays sharp on
// high-density screens; the image carries the ratio. An empty size means the picture's
// own.
QImage renderArt(const QString& path, qreal devicePixelRatio = 1.0, QSize size = {});
// The same from the picture's SVG text.
QImage renderArtData(const QByteArray& svg, qreal devicePixelRatio = 1.0, QSize size = {});
// The SVG text of a picture compiled in; empty when there is none.
QByteArray artData(const QString& path);

// The words a picture shows, for whoever cannot see it: its title and the
// lines of its texts in drawing order. Empty when it cannot be read.
struct ArtWords {
    QString title;
    QStringList lines;
};
ArtWords artWords(const QString& path);
// The same from the picture's SVG text.
ArtWords artWordsOf(const QByteArray& svg);

// A picture at its own size, drawn again only when the ratio asked for changes (a
// window moved to another screen).
class CachedArt {
public:
    explicit CachedArt(QString path) : path_(std::move(path)) {}
    // A picture from its SVG text, such as one whose words were translated.
    static CachedArt fromSvg(QByteArray svg);
    const QImage& at(qreal devicePixelRatio);

private:
    QString path_;
    QByteArray svg_;
    QImage image_;
};

} // namespace oltrave
