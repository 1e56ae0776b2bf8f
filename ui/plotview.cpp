#include "plotview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QWheelEvent>
#include <algorithm>

#include "output/gridpainter.h"
#include "output/markpainter.h"
#include "overlay/curvesampler.h"

namespace oltrave {

namespace {

// One wheel notch or key press zooms by this much.
constexpr double kZoomStep = 1.25;
// An arrow key pans by this many pixels.
constexpr double kPanStep = 40;
// A press and release closer than this is a click, not a drag.
constexpr double kClickSlack = 3;
constexpr double kTraceRadius = 4;

// The trace's move a key asks for; none for the pan and zoom keys.
std::optional<Trace::Move> traceMove(const QKeyEvent& event) {
    const bool ctrl = event.modifiers() & Qt::ControlModifier;
    const bool shift = event.modifiers() & Qt::ShiftModifier;
    using Move = Trace::Move;
    switch (event.key()) {
    case Qt::Key_Left:
        return ctrl ? std::optional(shift ? Move::FarLeft : Move::Left) : std::nullopt;
    case Qt::Key_Right:
        return ctrl ? std::optional(shift ? Move::FarRight : Move::Right) : std::nullopt;
    case Qt::Key_Up: return ctrl ? std::optional(Move::PreviousCurve) : std::nullopt;
    case Qt::Key_Down: return ctrl ? std::optional(Move::NextCurve) : std::nullopt;
    case Qt::Key_Home: return ctrl ? std::optional(Move::Home) : std::nullopt;
    case Qt::Key_End: return Move::End;
    case Qt::Key_PageUp: return Move::PreviousMark;
    case Qt::Key_PageDown: return Move::NextMark;
    default: return std::nullopt;
    }
}

} // namespace

PlotView::PlotView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, 150);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Plot"));
}

void PlotView::setCurves(std::vector<Shown> curves) {
    curves_ = std::move(curves);
    changed();
}

void PlotView::setTrace(std::vector<Shown> curves) {
    if (curves.empty() && trace_.empty())
        return;
    if (curves.empty())
        traceStale_ = true; // Play stopped: the layer starts afresh next time
    trace_ = std::move(curves);
    changed();
}

void PlotView::setMarks(std::vector<QPointF> points) {
    marks_ = std::move(points);
    changed();
}

void PlotView::setKeyMarks(std::vector<CurveMarks> marks) {
    keyMarks_ = std::move(marks);
    changed();
}

void PlotView::setTracePoint(std::optional<TracePoint> point) {
    tracePoint_ = std::move(point);
    changed();
}

void PlotView::setReach(double reach) {
    if (reach > 0 && std::isfinite(reach))
        reach_ = reach;
}

void PlotView::setEqualUnits(bool on) {
    equalUnits_ = on;
    home();
}

void PlotView::setPiTicks(bool on) {
    if (pi_ == on)
        return;
    pi_ = on;
    changed();
}

void PlotView::home() {
    view_.resize(width(), height());
    view_.home(reach_, equalUnits_);
    atHome_ = true;
    changed();
    emit viewChanged();
}

void PlotView::zoomAt(QPointF pixel, double factor) {
    atHome_ = false;
    view_.zoomAbout(pixel.x(), pixel.y(), factor);
    changed();
    emit viewChanged();
}

void PlotView::changed() {
    stale_ = true;
    update();
}

void PlotView::render(QPainter& painter, const QSizeF& size) const {
    PlaneView view = view_;
    // The same region over another size.
    view.unitX *= view.width / size.width();
    view.unitY *= view.height / size.height();
    view.resize(size.width(), size.height());
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    if (!view.usable())
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    paintGrid(painter, QRectF(QPointF(0, 0), size),
              plotGrid({view.left(), view.right(), view.bottom(), view.top()}, size, pi_));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(QPointF(view.pixelX(0), 0), QPointF(view.pixelX(0), size.height()));
    painter.drawLine(QPointF(0, view.pixelY(0)), QPointF(size.width(), view.pixelY(0)));
    if (!trace_.empty())
        painter.drawImage(QPointF(0, 0), traceLayer(view, size));
    paintCurves(painter, view, curves_);
    const QRectF all(QPointF(0, 0), size);
    const PlaneToDevice toDevice = [&view](float x, float y) {
        return QPointF(view.pixelX(x), view.pixelY(y));
    };
    for (const CurveMarks& shown : keyMarks_)
        paintMarksInColour(painter, all, shown.marks, toDevice, 1, shown.colour);
    if (tracePoint_) {
        const double x = view.pixelX(tracePoint_->x);
        painter.setPen(QPen(Qt::gray, 1, Qt::DotLine));
        painter.drawLine(QPointF(x, 0), QPointF(x, size.height()));
        if (tracePoint_->y) {
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(tracePoint_->colour);
            painter.drawEllipse(QPointF(x, view.pixelY(*tracePoint_->y)), kTraceRadius,
                                kTraceRadius);
        }
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    for (const QPointF& p : marks_)
        painter.drawEllipse(QPointF(view.pixelX(p.x()), view.pixelY(p.y())), 4, 4);
}

void PlotView::paintCurves(QPainter& painter, const PlaneView& view,
                           const std::vector<Shown>& curves) const {
    for (const Shown& shown : curves) {
        painter.setPen(QPen(shown.colour, 1.0, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
        const DrawnCurve& curve = shown.curve;
        for (const auto& line : clipToView(
                 sampleCurve([&curve](double x) { return curve.valueAt(x); }, view), view, 4)) {
            QPolygonF polyline;
            polyline.reserve(static_cast<qsizetype>(line.size()));
            for (const PixelPoint& p : line)
                polyline << QPointF(p.x, p.y);
            painter.drawPolyline(polyline);
        }
    }
}

// Each trace curve is drawn onto the layer once: a frame adds the newest. A
// curve the trace let go stays on the layer until the view changes, which
// keeps each frame's work to one curve at most.
const QImage& PlotView::traceLayer(const PlaneView& view, const QSizeF& size) const {
    const QSize pixels = size.toSize();
    const bool sameView = traceView_.width == view.width && traceView_.height == view.height &&
                          traceView_.unitX == view.unitX && traceView_.unitY == view.unitY &&
                          traceView_.centreX == view.centreX && traceView_.centreY == view.centreY;
    if (traceStale_ || !sameView || traceLayer_.size() != pixels) {
        traceLayer_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        traceLayer_.fill(Qt::transparent);
        onLayer_.clear();
        traceView_ = view;
        traceStale_ = false;
    }
    std::vector<Shown> fresh;
    for (const Shown& shown : trace_) {
        if (std::find(onLayer_.begin(), onLayer_.end(), shown.curve) == onLayer_.end()) {
            fresh.push_back(shown);
            onLayer_.push_back(shown.curve);
        }
    }
    if (!fresh.empty()) {
        QPainter painter(&traceLayer_);
        painter.setRenderHint(QPainter::Antialiasing);
        paintCurves(painter, view, fresh);
    }
    return traceLayer_;
}

QImage PlotView::picture(const QSize& size) const {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    render(painter, QSizeF(size));
    return image;
}

void PlotView::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (stale_ || cache_.size() != size() * ratio) {
        cache_ = QImage(size() * ratio, QImage::Format_RGB32);
        cache_.setDevicePixelRatio(ratio);
        QPainter painter(&cache_);
        render(painter, QSizeF(size()));
        stale_ = false;
    }
    QPainter(this).drawImage(0, 0, cache_);
}

void PlotView::resizeEvent(QResizeEvent*) {
    // Untouched since Home: it shows ±reach at any size. Otherwise the centre
    // and the scale stay, so more or less of the plane shows.
    if (atHome_) {
        home();
        return;
    }
    view_.resize(width(), height());
    changed();
    emit viewChanged();
}

void PlotView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragFrom_ = event->position();
        pressedAt_ = event->position();
    }
}

void PlotView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && pressedAt_)
        emit clicked(*pressedAt_);
    pressedAt_.reset();
    dragFrom_.reset();
}

void PlotView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragFrom_ || !(event->buttons() & Qt::LeftButton))
        return;
    if (pressedAt_) {
        const QPointF moved = event->position() - *pressedAt_;
        if (std::max(std::fabs(moved.x()), std::fabs(moved.y())) <= kClickSlack)
            return;
        pressedAt_.reset();
    }
    const QPointF by = event->position() - *dragFrom_;
    dragFrom_ = event->position();
    atHome_ = false;
    view_.pan(by.x(), by.y());
    changed();
    emit viewChanged();
}

void PlotView::wheelEvent(QWheelEvent* event) {
    const int eighths = event->angleDelta().y();
    if (eighths == 0)
        return;
    zoomAt(event->position(), std::pow(kZoomStep, -eighths / 120.0));
}

void PlotView::keyPressEvent(QKeyEvent* event) {
    if (const std::optional<Trace::Move> move = traceMove(*event)) {
        emit traceKey(*move);
        return;
    }
    const QPointF centre(width() / 2.0, height() / 2.0);
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: atHome_ = false; break;
    default: break;
    }
    switch (event->key()) {
    case Qt::Key_Left: view_.pan(kPanStep, 0); break;
    case Qt::Key_Right: view_.pan(-kPanStep, 0); break;
    case Qt::Key_Up: view_.pan(0, kPanStep); break;
    case Qt::Key_Down: view_.pan(0, -kPanStep); break;
    case Qt::Key_Plus:
    case Qt::Key_Equal: zoomAt(centre, 1 / kZoomStep); return;
    case Qt::Key_Minus: zoomAt(centre, kZoomStep); return;
    case Qt::Key_Home: home(); return;
    default: QWidget::keyPressEvent(event); return;
    }
    changed();
    emit viewChanged();
}

} // namespace oltrave
