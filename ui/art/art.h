#pragma once

#include <QImage>
#include <QSize>
#include <QString>

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

// The top-left part of a picture at its own size that fits in a logical size: of a
// picture larger than the area showing it, the rest is neither drawn nor kept.
QImage renderArtPart(const QString& path, qreal devicePixelRatio, QSize part);

// A picture at its own size, drawn again only when the ratio asked for changes (a
// window moved to another screen).
class CachedArt {
  public:
    explicit CachedArt(QString path) : path_(std::move(path)) {}
    const QImage& at(qreal devicePixelRatio);
    // Only the top-left part that fits in a logical size; drawn again also when the
    // size changes.
    const QImage& partAt(qreal devicePixelRatio, QSize part);

  private:
    QString path_;
    QImage image_;
    QSize part_; // invalid while the whole picture is kept
};

} // namespace oltrave
