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
#include "savefile.h"

namespace oltrave {

CanvasWidget::CanvasWidget(QWidget* parent) : QFrame(parent), background_(menuBarColour()) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    fitImage();
}

inline bool CanvasWidget::accepted(float v) {
    return fitsSinglePrecision(v);
}

// The pixels for direct writes. Fetching them unshares the image, so they
// stay valid while no copy shares them and nothing replaces them.
inline QRgb* CanvasWidget::pixels() {
    if (!pixels_ || !image_.isDetached()) {
        pixels_ = reinterpret_cast<QRgb*>(image_.bits());
        pixelsPerLine_ = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    }
    return pixels_;
}

// One repaint request per batch of drawing, however many calls it holds.
inline void CanvasWidget::repaintSoon() {
    if (repaintPending_)
        return;
    repaintPending_ = true;
    update();
}

// Keeps the image as large as the client rectangle in device pixels; what was
// drawn survives a change of size or pixel ratio. A hidden widget learns of
// its new geometry late, so drawing calls check too.
void CanvasWidget::fitImage() {
    const qreal ratio = devicePixelRatioF();
    const QSize size = contentsRect().size() * ratio;
    if (image_.size() == size && !image_.isNull())
        return;
    QImage fitted(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    fitted.fill(background_);
    // Scaling a blank image only costs time, at every start.
    if (!image_.isNull() && !blank_) {
        QPainter painter(&fitted);
        painter.drawImage(fitted.rect(), image_);
    }
    image_ = fitted;
    pixels_ = nullptr;
    dotSize_ = std::max(1, static_cast<int>(std::lround(ratio)));
    updateMapping();
}

void CanvasWidget::updateMapping() {
    Scale scale = scale_;
    if (!userScale_) {
        const QSize logical = contentsRect().size();
        scale = {0, 0, double(logical.width()), double(logical.height())};
    }
    mapping_ = {scale.x1, scale.y1, image_.width() / (scale.x2 - scale.x1),
                image_.height() / (scale.y2 - scale.y1)};
}

bool CanvasWidget::setScale(float x1, float y1, float x2, float y2) {
    fitImage();
    if (!accepted(x1) || !accepted(y1) || !accepted(x2) || !accepted(y2))
        return false;
    if (x1 == x2 || y1 == y2)
        return false; // no area to map onto; the previous scale stays
    scale_ = {x1, y1, x2, y2};
    userScale_ = true;
    updateMapping();
    return true;
}

void CanvasWidget::clear() {
    fitImage();
    image_.fill(background_);
    blank_ = true;
    pixels_ = nullptr;
    lines_ = 0;
    points_ = 0;
    repaintSoon();
}

void CanvasWidget::line(float x1, float y1, float x2, float y2) {
    if (!accepted(x1) || !accepted(y1) || !accepted(x2) || !accepted(y2))
        return;
    ++lines_;
    fitImage();
    QPainter painter(&image_);
    painter.setPen(QPen(palette().color(QPalette::WindowText), dotSize_));
    painter.drawLine(QLineF(mapping_(x1, y1), mapping_(x2, y2)));
    painter.end();
    blank_ = false;
    pixels_ = nullptr;
    repaintSoon();
}

void CanvasWidget::point(float x, float y, Colour colour) {
    const CanvasPoint one{x, y};
    CanvasWidget::points(&one, 1, colour);
}

// Written straight into the image: a curve is 20001 points and must not cost
// a painter or a repaint each.
void CanvasWidget::points(const CanvasPoint* first, std::size_t count, Colour colour) {
    const QRgb rgb = qRgb(colour.red(), colour.green(), colour.blue());
    // Local copies: as far as the compiler knows, a pixel written through a
    // pointer could be one of the members, which it would then read again.
    const Mapping mapping = mapping_;
    const double width = image_.width();
    const double height = image_.height();
    QRgb* const bits = dotSize_ == 1 ? pixels() : nullptr;
    const qsizetype perLine = pixelsPerLine_;
    int taken = 0;
    bool drawn = false;
    for (const CanvasPoint* p = first; p != first + count; ++p) {
        if (!accepted(p->x) || !accepted(p->y))
            continue;
        ++taken;
        const QPointF at = mapping(p->x, p->y);
        // Outside the area: clipped. Inside, truncation is the floor.
        if (!(at.x() >= 0 && at.x() < width && at.y() >= 0 && at.y() < height))
            continue;
        drawn = true;
        const int col = static_cast<int>(at.x());
        const int row = static_cast<int>(at.y());
        Q_ASSERT(col < image_.width() && row < image_.height());
        if (bits)
            bits[row * perLine + col] = rgb;
        else
            dot(col, row, rgb);
    }
    points_ += taken;
    if (drawn) {
        blank_ = false;
        repaintSoon();
    }
}

// A dot of dotSize_ pixels across, cut at the image's edges.
void CanvasWidget::dot(int col, int row, QRgb rgb) {
    const int right = std::min(col + dotSize_, image_.width());
    const int bottom = std::min(row + dotSize_, image_.height());
    for (int y = row; y < bottom; ++y) {
        QRgb* line = pixels() + y * pixelsPerLine_;
        for (int x = col; x < right; ++x)
            line[x] = rgb;
    }
}

QImage CanvasWidget::shownImage() const {
    if (marks_.empty() && stretches_.empty() && !trace_)
        return image_;
    QImage shown = image_;
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

void CanvasWidget::setTrace(std::optional<TraceShown> trace) {
    if (!trace_ && !trace)
        return;
    trace_ = std::move(trace);
    update();
}

namespace {

const QColor kMarkColour(178, 34, 34);
const QColor kLineMarkColour(70, 70, 70);
const QColor kHighlightColour(255, 128, 0);
const QColor kTraceColour(0, 0, 0);
const QColor kReadoutBackground(255, 255, 225, 230);
constexpr double kMarkRadius = 3;
constexpr double kHighlightRadius = 5;
constexpr double kTraceRadius = 4;
constexpr int kReadoutGap = 8;

} // namespace

void CanvasWidget::paintLayer(QPainter& painter) const {
    const double unit = dotSize_;
    const QRectF area(0, 0, image_.width(), image_.height());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(area);

    if (!stretches_.empty()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kHighlightColour);
        for (const CanvasPoint& p : stretches_)
            painter.drawEllipse(mapping_(p.x, p.y), 1.5 * unit, 1.5 * unit);
    }

    // Axis-parallel dashed lines need no smoothing; one call per pen.
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const bool highlighted : {false, true}) {
        QVector<QLineF> lines;
        for (const MarkInstance& mark : marks_) {
            if (mark.shape == MarkShape::Point || mark.highlighted != highlighted)
                continue;
            const QPointF at = mapping_(static_cast<float>(mark.x), static_cast<float>(mark.y));
            if (mark.shape == MarkShape::Vertical)
                lines.append({QPointF(at.x(), area.top()), QPointF(at.x(), area.bottom())});
            else
                lines.append({QPointF(area.left(), at.y()), QPointF(area.right(), at.y())});
        }
        painter.setPen(QPen(highlighted ? kHighlightColour : kLineMarkColour,
                            (highlighted ? 2 : 1) * unit, Qt::DashLine));
        painter.drawLines(lines);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, unit));
    for (const MarkInstance& mark : marks_) {
        if (mark.shape != MarkShape::Point)
            continue;
        const double r = (mark.highlighted ? kHighlightRadius : kMarkRadius) * unit;
        painter.setBrush(mark.highlighted ? kHighlightColour : kMarkColour);
        painter.drawEllipse(mapping_(static_cast<float>(mark.x), static_cast<float>(mark.y)), r, r);
    }

    if (!trace_)
        return;
    const QPointF at = mapping_(static_cast<float>(trace_->x), static_cast<float>(trace_->y));
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
    painter.setPen(QPen(kLineMarkColour, unit));
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
    painter.drawImage(drawing, image_);
    if (!marks_.empty() || !stretches_.empty() || trace_) {
        painter.save();
        painter.translate(drawing.topLeft());
        painter.scale(drawing.width() / image_.width(), drawing.height() / image_.height());
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
    std::optional<TraceKey> key;
    switch (event->key()) {
    case Qt::Key_Left: key = shift ? TraceKey::FarLeft : TraceKey::Left; break;
    case Qt::Key_Right: key = shift ? TraceKey::FarRight : TraceKey::Right; break;
    case Qt::Key_Home: key = TraceKey::Home; break;
    case Qt::Key_End: key = TraceKey::End; break;
    case Qt::Key_PageUp: key = TraceKey::PageUp; break;
    case Qt::Key_PageDown: key = TraceKey::PageDown; break;
    case Qt::Key_Up: key = TraceKey::Up; break;
    case Qt::Key_Down: key = TraceKey::Down; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: emit traceEntered(); return;
    default: QFrame::keyPressEvent(event); return;
    }
    emit traceKeyPressed(*key);
}

void CanvasWidget::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    fitImage();
}

} // namespace oltrave
