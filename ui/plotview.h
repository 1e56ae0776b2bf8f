#pragma once

#include <QImage>
#include <QWidget>
#include <optional>
#include <vector>

#include "model/drawncurve.h"
#include "overlay/keypoints.h"
#include "overlay/planeview.h"
#include "overlay/trace.h"

namespace oltrave {

// The plot window's drawing: every visible curve in its colour over a grid
// with labelled ticks, and the meetings marked. Drawn into a cached picture
// when something changes; paint events only copy it. Drag or the arrow keys
// pan, the wheel zooms about the pointer, + and - about the centre, Home
// goes back to ±reach. A click places the trace; Ctrl with the arrows moves
// it (Shift: ten pixels) and changes its curve, Ctrl+Home and End take it to
// the edges, Page Up and Page Down to the traced curve's marks.
class PlotView : public QWidget {
    Q_OBJECT
public:
    struct Shown {
        DrawnCurve curve;
        QColor colour;
    };

    explicit PlotView(QWidget* parent = nullptr);

    void setCurves(std::vector<Shown> curves);
    // Faint curves under the others (Play's trace), each drawn once onto a
    // layer kept while the view stays; an empty trace clears it.
    void setTrace(std::vector<Shown> curves);
    void setMarks(std::vector<QPointF> points); // plane points
    // Each curve's key points in its colour.
    struct CurveMarks {
        std::vector<MarkInstance> marks;
        QColor colour;
    };
    void setKeyMarks(std::vector<CurveMarks> marks);
    // The traced point: a line at x and, where the curve has a value, a dot.
    struct TracePoint {
        double x = 0;
        std::optional<double> y;
        QColor colour;
    };
    void setTracePoint(std::optional<TracePoint> point);
    // ±reach is what Home shows.
    void setReach(double reach);
    void setEqualUnits(bool on);
    void setPiTicks(bool on);
    void home();

    const PlaneView& view() const { return view_; }
    // The picture as shown, for the exports.
    QImage picture(const QSize& size) const;
    // Draws the view into painter over size pixels (PNG and SVG exports).
    void render(QPainter& painter, const QSizeF& size) const;

    // Zooms by factor keeping the plane point under pixel where it is.
    void zoomAt(QPointF pixel, double factor);

signals:
    // The plane region shown changed.
    void viewChanged();
    // A click without a drag at pixel.
    void clicked(QPointF pixel);
    void traceKey(oltrave::Trace::Move move);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void changed();
    void paintCurves(QPainter& painter, const PlaneView& view,
                     const std::vector<Shown>& curves) const;
    // The trace drawn for view, kept while neither changes.
    const QImage& traceLayer(const PlaneView& view, const QSizeF& size) const;

    PlaneView view_;
    std::vector<Shown> curves_;
    std::vector<Shown> trace_;
    mutable QImage traceLayer_;
    mutable PlaneView traceView_;
    mutable bool traceStale_ = true;
    mutable std::vector<DrawnCurve> onLayer_; // the trace curves the layer holds
    std::vector<QPointF> marks_;
    std::vector<CurveMarks> keyMarks_;
    std::optional<TracePoint> tracePoint_;
    double reach_ = 10;
    bool equalUnits_ = true;
    bool pi_ = false;
    bool atHome_ = true; // neither panned nor zoomed since Home
    std::optional<QPointF> dragFrom_;
    std::optional<QPointF> pressedAt_; // a press not yet a drag
    QImage cache_;
    bool stale_ = true;
};

} // namespace oltrave
