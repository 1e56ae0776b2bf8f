#pragma once

#include <QFrame>
#include <QImage>

#include "model/canvas.h"

namespace oltrave {

// The plotting area. Everything is drawn into a persistent image that paint
// events only copy to the screen, so covering the area loses nothing and a
// repaint never asks the model again.
class CanvasWidget : public QFrame, public Canvas {
    Q_OBJECT
public:
    explicit CanvasWidget(QWidget* parent = nullptr);

    bool setScale(float x1, float y1, float x2, float y2) override;
    void clear() override;
    void line(float x1, float y1, float x2, float y2) override;
    void point(float x, float y, Colour colour) override;
    void points(const CanvasPoint* first, std::size_t count, Colour colour) override;

    // Lines and points accepted since the last clear.
    int lineCount() const { return lines_; }
    int pointCount() const { return points_; }

    // The drawing in device pixels.
    const QImage& image() const { return image_; }
    // Writes the drawing in the format the path's suffix names (PNG, with
    // ".png" added, when it has none); empty on success, otherwise the path
    // and the reason.
    QString saveImage(const QString& path) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

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

    static bool accepted(float v);
    void fitImage();
    void updateMapping();
    QRgb* pixels();
    void dot(int col, int row, QRgb rgb);
    void repaintSoon();

    QImage image_;
    bool blank_ = true; // nothing drawn since the image was filled
    QColor background_;
    Scale scale_{0, 0, 0, 0}; // no user scale yet: logical pixels
    bool userScale_ = false;
    Mapping mapping_;
    int dotSize_ = 1;
    // The image's pixels for direct writes; null until fetched again.
    QRgb* pixels_ = nullptr;
    qsizetype pixelsPerLine_ = 0;
    int lines_ = 0;
    int points_ = 0;
    bool repaintPending_ = false;
};

} // namespace oltrave
