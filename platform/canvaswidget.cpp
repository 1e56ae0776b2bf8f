#include "canvaswidget.h"

#include <QFontMetricsF>
#include <QImageWriter>
#include <QKeyEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <limits>

#include "appearance.h"
#include "imageformat.h"
#include "output/markpainter.h"
#include "savefile.h"

namespace oltrave {

CanvasWidget::CanvasWidget(QWidget* parent)
    : QFrame(parent), drawing_(menuBarColour(), palette().color(QPalette::WindowText)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kFrameWidth);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    fitImage();
}

// One repaint request per batch of drawing, however many calls it holds.
void CanvasWidget::repaintIfChanged() {
    if (!drawing_.takeChanged() || repaintPending_)
        return;
    repaintPending_ = true;
    update();
}

// Keeps the image as large as the client rectangle in device pixels; what was
// drawn survives a change of size or pixel ratio. A hidden widget learns of
// its new geometry late, so drawing calls check too.
void CanvasWidget::fitImage() {
    drawing_.fit(contentsRect().size(), devicePixelRatioF());
}

bool CanvasWidget::setScale(float x1, float y1, float x2, float y2) {
    fitImage();
    if (!drawing_.setScale(x1, y1, x2, y2))
        return false;
    plane_ = PlaneRect{x1, x2, y2, y1};
    return true;
}

void CanvasWidget::setGrid(bool on) {
    grid_ = on;
    update();
}

QImage CanvasWidget::griddedImage() const {
    const QImage& drawn = drawing_.image();
    if (!grid_ || !plane_ || drawn.isNull())
        return drawn;
    QImage shown = drawn.convertToFormat(QImage::Format_RGB32);
    QImage grid(shown.size(), QImage::Format_RGB32);
    const QRgb plain = drawing_.background().rgb();
    grid.fill(plain);
    {
        // Laid out in logical pixels, so the labels keep their size on any screen.
        QPainter painter(&grid);
        paintGrid(painter, QRectF(grid.rect()), plotGrid(*plane_, QSizeF(drawingSize()), false));
    }
    for (int y = 0; y < shown.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(shown.scanLine(y));
        const auto* under = reinterpret_cast<const QRgb*>(grid.constScanLine(y));
        for (int x = 0; x < shown.width(); ++x)
            if (row[x] == plain)
                row[x] = under[x];
    }
    return shown;
}

void CanvasWidget::clear() {
    fitImage();
    drawing_.clear();
    repaintIfChanged();
}

void CanvasWidget::line(float x1, float y1, float x2, float y2) {
    fitImage();
    drawing_.setInk(palette().color(QPalette::WindowText));
    drawing_.line(x1, y1, x2, y2);
    repaintIfChanged();
}

void CanvasWidget::point(float x, float y, Colour colour) {
    drawing_.point(x, y, colour);
    repaintIfChanged();
}

void CanvasWidget::points(const CanvasPoint* first, std::size_t count, Colour colour) {
    drawing_.points(first, count, colour);
    repaintIfChanged();
}

QImage CanvasWidget::shownImage() const {
    if (!layerShown())
        return griddedImage();
    QImage shown = griddedImage();
    QPainter painter(&shown);
    paintLayer(painter);
    return shown;
}

QString CanvasWidget::saveImage(const QString& path) const {
    const ImageTarget target = imageTarget(path);
    if (!target.error.isEmpty())
        return target.error;
    const QImage shown = shownImage();
    return saveFile(target.path, [&shown, &target](QIODevice& device, QString& error) {
        QImageWriter writer(&device, target.format);
        if (writer.write(shown))
            return true;
        error = writer.errorString();
        return false;
    });
}

void CanvasWidget::setMarks(std::vector<MarkInstance> marks, std::vector<CanvasPoint> stretches) {
    if (marks_.empty() && marks.empty() && stretches_.empty() && stretches.empty())
        return;
    marks_ = std::move(marks);
    stretches_ = std::move(stretches);
    update();
}

void CanvasWidget::setOtherMarks(std::vector<MarkInstance> marks,
                                 std::vector<CanvasPoint> stretches) {
    if (otherMarks_.empty() && marks.empty() && otherStretches_.empty() && stretches.empty())
        return;
    otherMarks_ = std::move(marks);
    otherStretches_ = std::move(stretches);
    update();
}

void CanvasWidget::setTrace(std::optional<TraceShown> trace) {
    if (!trace_ && !trace)
        return;
    trace_ = std::move(trace);
    update();
}

namespace {

const QColor kTraceColour(0, 0, 0);
const QColor kReadoutBackground(255, 255, 225, 230);
constexpr double kTraceRadius = 4;
constexpr int kReadoutGap = 8;

} // namespace

void CanvasWidget::paintLayer(QPainter& painter) const {
    const double unit = drawing_.dotSize();
    const QRectF area(QPointF(0, 0), QSizeF(drawing_.imageSize()));
    const auto toDevice = [this](float x, float y) { return drawing_.toDevice(x, y); };
    paintMarks(painter, area, otherMarks_, otherStretches_, toDevice, unit);
    paintMarks(painter, area, marks_, stretches_, toDevice, unit);

    if (!trace_)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(area);
    const QPointF at =
        drawing_.toDevice(static_cast<float>(trace_->x), static_cast<float>(trace_->y));
    if (trace_->dot) {
        painter.setPen(QPen(kTraceColour, unit));
        painter.setBrush(Qt::white);
        painter.drawEllipse(at, kTraceRadius * unit, kTraceRadius * unit);
    }
    QFont small = font();
    small.setPointSizeF(8 * unit);
    painter.setFont(small);
    const QFontMetricsF metrics(small);
    const double pad = 2 * unit;
    QRectF box(0, 0, metrics.horizontalAdvance(trace_->text) + 2 * pad, metrics.height() + 2 * pad);
    // Beside the point, turned inwards near the right and lower edges.
    const double gap = kReadoutGap * unit;
    double left = at.x() + gap;
    double top = at.y() + gap;
    if (left + box.width() > area.right())
        left = at.x() - gap - box.width();
    if (top + box.height() > area.bottom())
        top = at.y() - gap - box.height();
    box.moveTo(std::clamp(left, 0.0, std::max(0.0, area.right() - box.width())),
               std::clamp(top, 0.0, std::max(0.0, area.bottom() - box.height())));
    painter.setPen(QPen(markstyle::kLine, unit));
    painter.setBrush(kReadoutBackground);
    painter.drawRect(box);
    painter.setPen(kTraceColour);
    painter.drawText(box, Qt::AlignCenter, trace_->text);
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    repaintPending_ = false;
    fitImage();
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRectF drawing(contentsRect());
    // The axes alone are drawn as they are, without a picture to hold them.
    if (!grid_ && drawing_.plain() && drawing_.imageSize() == contentsRect().size())
        drawing_.paintPlain(painter, contentsRect().topLeft());
    else
        painter.drawImage(drawing, grid_ ? griddedImage() : drawing_.image());
    if (layerShown()) {
        painter.save();
        painter.translate(drawing.topLeft());
        painter.scale(drawing.width() / drawing_.imageSize().width(),
                      drawing.height() / drawing_.imageSize().height());
        paintLayer(painter);
        painter.restore();
    }
}

std::optional<QPoint> CanvasWidget::drawingPixel(QPointF position) const {
    const QPoint pixel = position.toPoint() - contentsRect().topLeft();
    if (!QRect(QPoint(0, 0), drawingSize()).contains(pixel))
        return std::nullopt;
    return pixel;
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    if (const std::optional<QPoint> pixel = drawingPixel(event->position()))
        emit hovered(*pixel);
    else
        emit left();
    QFrame::mouseMoveEvent(event);
}

void CanvasWidget::leaveEvent(QEvent* event) {
    emit left();
    QFrame::leaveEvent(event);
}

void CanvasWidget::wheelEvent(QWheelEvent* event) {
    constexpr int kNotch = 120; // eighths of a degree
    wheelAngle_ += event->angleDelta().y();
    const int notches = wheelAngle_ / kNotch;
    wheelAngle_ %= kNotch;
    if (notches != 0)
        emit wheelTurned(notches);
    event->accept();
}

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (const std::optional<QPoint> pixel = drawingPixel(event->position())) {
            emit doubleClicked(*pixel);
            return;
        }
    }
    QFrame::mouseDoubleClickEvent(event);
}

void CanvasWidget::keyPressEvent(QKeyEvent* event) {
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    using Move = Trace::Move;
    Move move = Move::Left;
    switch (event->key()) {
    case Qt::Key_Left: move = shift ? Move::FarLeft : Move::Left; break;
    case Qt::Key_Right: move = shift ? Move::FarRight : Move::Right; break;
    case Qt::Key_Home: move = Move::Home; break;
    case Qt::Key_End: move = Move::End; break;
    case Qt::Key_PageUp: move = Move::PreviousMark; break;
    case Qt::Key_PageDown: move = Move::NextMark; break;
    case Qt::Key_Up: move = Move::PreviousCurve; break;
    case Qt::Key_Down: move = Move::NextCurve; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: emit traceEntered(); return;
    default: QFrame::keyPressEvent(event); return;
    }
    emit traceMoved(move);
}

void CanvasWidget::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    fitImage();
}

} // namespace oltrave
