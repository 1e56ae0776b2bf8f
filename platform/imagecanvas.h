#pragma once

#include <QColor>
#include <QImage>
#include <vector>

#include "model/canvas.h"

class QPainter;

namespace oltrave {

// A drawing surface in memory: what the plotting area shows, and what a saved
// or rendered picture of the plot holds, pixel for pixel.
class ImageCanvas : public Canvas {
public:
    ImageCanvas(const QColor& background, const QColor& ink);

    // Makes the image logical * ratio device pixels; what was drawn is scaled
    // onto the new size. Dots are ratio pixels across.
    void fit(const QSize& logical, qreal ratio);
    void setInk(const QColor& ink) { ink_ = ink; }

    bool setScale(float x1, float y1, float x2, float y2) override;
    void clear() override;
    void line(float x1, float y1, float x2, float y2) override;
    void point(float x, float y, Colour colour) override;
    void points(const CanvasPoint* first, std::size_t count, Colour colour) override;

    // Lines and points accepted since the last clear.
    int lineCount() const { return lines_; }
    int pointCount() const { return points_; }

    // The picture; made on the first call after a start or a new size that
    // only the axes were drawn on.
    const QImage& image() const;
    // The picture's size in device pixels, without making it.
    QSize imageSize() const { return size_; }
    // Until something more than axis-aligned lines is drawn, the picture is
    // not made: it is its background and those lines, which paintPlain draws.
    bool plain() const { return image_.isNull(); }
    // Draws the picture while it is plain, device pixel for device pixel at
    // origin, as drawing image() there would.
    void paintPlain(QPainter& painter, const QPoint& origin) const;
    const QColor& background() const { return background_; }
    // Where a point of the plane lies in the image, in device pixels.
    QPointF toDevice(float x, float y) const { return mapping_(x, y); }
    // Pixels across one logical pixel.
    int dotSize() const { return dotSize_; }
    // Whether the image changed since the last call.
    bool takeChanged();

private:
    struct Scale {
        double x1, y1, x2, y2;
    };
    // Device pixel = (user - origin) * factor, per axis.
    struct Mapping {
        double originX = 0, originY = 0, factorX = 1, factorY = 1;
        QPointF operator()(float x, float y) const {
            return {(x - originX) * factorX, (y - originY) * factorY};
        }
    };

    // A line along a row or a column, as pixels from first to last.
    struct Run {
        bool across;
        int fixed, first, last;
        QRgb rgb;
    };

    static bool accepted(float v);
    void make() const;
    static void write(const Run& run, QRgb* bits, qsizetype perLine);
    void updateMapping();
    QRgb* pixels();
    bool straightLine(const QPointF& from, const QPointF& to);
    void dot(int col, int row, QRgb rgb);

    // Null while plain; then size_ and runs_ say what it would hold.
    mutable QImage image_;
    QSize size_;
    mutable std::vector<Run> runs_;
    QColor background_;
    QColor ink_;
    QSize logical_;
    bool blank_ = true; // nothing drawn since the image was filled
    bool changed_ = false;
    Scale scale_{0, 0, 0, 0}; // no user scale yet: logical pixels
    bool userScale_ = false;
    Mapping mapping_;
    int dotSize_ = 1;
    // The image's pixels for direct writes; null until fetched again.
    mutable QRgb* pixels_ = nullptr;
    qsizetype pixelsPerLine_ = 0;
    int lines_ = 0;
    int points_ = 0;
};

} // namespace oltrave
