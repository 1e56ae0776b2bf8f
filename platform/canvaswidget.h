#pragma once

#include <QFrame>

#include "imagecanvas.h"
#include "model/canvas.h"

namespace oltrave {

// The plotting area. Everything is drawn into a persistent image that paint
// events only copy to the screen, so covering the area loses nothing and a
// repaint never asks the model again.
class CanvasWidget : public QFrame, public Canvas {
    Q_OBJECT
public:
    // The frame around the drawing, in logical pixels on each side.
    static constexpr int kFrameWidth = 1;

    explicit CanvasWidget(QWidget* parent = nullptr);

    bool setScale(float x1, float y1, float x2, float y2) override;
    void clear() override;
    void line(float x1, float y1, float x2, float y2) override;
    void point(float x, float y, Colour colour) override;
    void points(const CanvasPoint* first, std::size_t count, Colour colour) override;

    // Lines and points accepted since the last clear.
    int lineCount() const { return drawing_.lineCount(); }
    int pointCount() const { return drawing_.pointCount(); }

    // The drawing in device pixels.
    const QImage& image() const { return drawing_.image(); }
    // Writes the drawing in the format the path's suffix names (PNG, with
    // ".png" added, when it has none); empty on success, otherwise the path
    // and the reason.
    QString saveImage(const QString& path) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitImage();
    void repaintIfChanged();

    ImageCanvas drawing_;
    bool repaintPending_ = false;
};

} // namespace oltrave
