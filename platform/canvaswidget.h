#pragma once

#include <QFrame>
#include <optional>
#include <vector>

#include "imagecanvas.h"
#include "model/canvas.h"
#include "output/gridpainter.h"
#include "overlay/keypoints.h"
#include "overlay/trace.h"

namespace oltrave {

// The plotting area. Everything is drawn into a persistent image that paint
// events only copy to the screen, so covering the area loses nothing and a
// repaint never asks the model again. Above the image lies a layer of marks,
// highlighted stretches and the trace; it is never counted as drawing.
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
    // The drawing with the layer above it, as the area shows it.
    QImage shownImage() const;
    // Writes what the area shows in the format the path's suffix names (PNG,
    // with ".png" added, when it has none); empty on success, otherwise the
    // path and the reason.
    QString saveImage(const QString& path) const;

    // The drawing rectangle in logical pixels; mouse positions are given in it.
    QSize drawingSize() const { return contentsRect().size(); }

    // What the trace shows: a dot on the curve when dot is set, and the read-out
    // beside the point (x, y) of the plane.
    struct TraceShown {
        double x = 0;
        double y = 0;
        bool dot = false;
        QString text;
    };
    void setMarks(std::vector<MarkInstance> marks, std::vector<CanvasPoint> stretches);
    // A second layer of marks under the list's (the analysis rows').
    void setOtherMarks(std::vector<MarkInstance> marks, std::vector<CanvasPoint> stretches);
    const std::vector<MarkInstance>& otherMarks() const { return otherMarks_; }
    const std::vector<CanvasPoint>& otherStretches() const { return otherStretches_; }
    void setTrace(std::optional<TraceShown> trace);
    const std::vector<MarkInstance>& marks() const { return marks_; }
    // Empty while no read-out is shown.
    QString traceText() const { return trace_ ? trace_->text : QString(); }

    // A grid with labelled ticks under the drawing (View > Grid and Scale);
    // the drawing itself stays as the model drew it.
    void setGrid(bool on);
    bool grid() const { return grid_; }

signals:
    void hovered(QPoint pixel);
    void left();
    // Whole notches, positive away from the user (zoom in).
    void wheelTurned(int notches);
    void doubleClicked(QPoint pixel);
    // A key that moves the trace while the area has the focus.
    void traceMoved(oltrave::Trace::Move move);
    void traceEntered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Draws the layer in device pixels of the image.
    void paintLayer(QPainter& painter) const;
    bool layerShown() const {
        return !marks_.empty() || !stretches_.empty() || !otherMarks_.empty() ||
               !otherStretches_.empty() || trace_;
    }
    std::optional<QPoint> drawingPixel(QPointF position) const;

    void fitImage();
    void repaintIfChanged();

    // The drawing with the grid showing through its background.
    QImage griddedImage() const;

    ImageCanvas drawing_;
    bool repaintPending_ = false;
    bool grid_ = false;
    std::optional<PlaneRect> plane_; // what the scale shows

    std::vector<MarkInstance> marks_;
    std::vector<CanvasPoint> stretches_;
    std::vector<MarkInstance> otherMarks_;
    std::vector<CanvasPoint> otherStretches_;
    std::optional<TraceShown> trace_;
    int wheelAngle_ = 0; // eighths of a degree not yet a whole notch
};

} // namespace oltrave
