#include "imagecanvas.h"

#include <QPainter>
#include <cmath>
#include <limits>

#include "vectorstate.h"

namespace oltrave {

ImageCanvas::ImageCanvas(const QColor& background, const QColor& ink)
    : background_(background), ink_(ink) {
    fit(QSize(1, 1), 1);
}

inline bool ImageCanvas::accepted(float v) {
    return fitsSinglePrecision(v);
}

// The pixels for direct writes. Fetching them unshares the image, so they
// stay valid while no copy shares them and nothing replaces them.
inline QRgb* ImageCanvas::pixels() {
    if (image_.isNull())
        make();
    if (!pixels_ || !image_.isDetached()) {
        pixels_ = reinterpret_cast<QRgb*>(image_.bits());
        pixelsPerLine_ = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    }
    return pixels_;
}

bool ImageCanvas::takeChanged() {
    const bool changed = changed_;
    changed_ = false;
    return changed;
}

// Making the picture writes every pixel of it: a fresh image is memory the
// system hands out page by page, a fifth of a millisecond of every start.
void ImageCanvas::make() const {
    image_ = QImage(size_, QImage::Format_RGB32);
    image_.fill(background_);
    auto* const bits = reinterpret_cast<QRgb*>(image_.bits());
    const qsizetype perLine = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    for (const Run& run : runs_)
        write(run, bits, perLine);
    runs_.clear();
    releaseUpperVectorState();
    pixels_ = nullptr;
}

const QImage& ImageCanvas::image() const {
    if (image_.isNull())
        make();
    return image_;
}

void ImageCanvas::paintPlain(QPainter& painter, const QPoint& origin) const {
    painter.fillRect(QRect(origin, size_), background_);
    for (const Run& run : runs_) {
        const QRect line = run.across ? QRect(run.first, run.fixed, run.last - run.first + 1, 1)
                                      : QRect(run.fixed, run.first, 1, run.last - run.first + 1);
        painter.fillRect(line.translated(origin), QColor::fromRgb(run.rgb));
    }
}

void ImageCanvas::fit(const QSize& logical, qreal ratio) {
    const QSize size = (logical * ratio).expandedTo(QSize(1, 1));
    logical_ = logical;
    if (size_ == size)
        return;
    // A blank picture is made again only when something is drawn on it.
    if (blank_) {
        image_ = QImage();
        runs_.clear();
    } else {
        QImage fitted(size, QImage::Format_RGB32);
        fitted.fill(background_);
        QPainter painter(&fitted);
        painter.drawImage(fitted.rect(), image());
        painter.end();
        releaseUpperVectorState();
        image_ = fitted;
    }
    size_ = size;
    pixels_ = nullptr;
    changed_ = true;
    dotSize_ = std::max(1, static_cast<int>(std::lround(ratio)));
    updateMapping();
}

void ImageCanvas::updateMapping() {
    Scale scale = scale_;
    if (!userScale_)
        scale = {0, 0, double(logical_.width()), double(logical_.height())};
    mapping_ = {scale.x1, scale.y1, size_.width() / (scale.x2 - scale.x1),
                size_.height() / (scale.y2 - scale.y1)};
}

bool ImageCanvas::setScale(float x1, float y1, float x2, float y2) {
    if (!accepted(x1) || !accepted(y1) || !accepted(x2) || !accepted(y2))
        return false;
    if (x1 == x2 || y1 == y2)
        return false; // no area to map onto; the previous scale stays
    scale_ = {x1, y1, x2, y2};
    userScale_ = true;
    updateMapping();
    return true;
}

void ImageCanvas::clear() {
    runs_.clear();
    if (!image_.isNull()) {
        image_.fill(background_);
        releaseUpperVectorState();
    }
    blank_ = true;
    changed_ = true;
    pixels_ = nullptr;
    lines_ = 0;
    points_ = 0;
}

void ImageCanvas::line(float x1, float y1, float x2, float y2) {
    if (!accepted(x1) || !accepted(y1) || !accepted(x2) || !accepted(y2))
        return;
    ++lines_;
    const QPointF from = mapping_(x1, y1);
    const QPointF to = mapping_(x2, y2);
    if (!straightLine(from, to)) {
        if (image_.isNull())
            make();
        QPainter painter(&image_);
        painter.setPen(QPen(ink_, dotSize_));
        painter.drawLine(QLineF(from, to));
        painter.end();
        releaseUpperVectorState();
    }
    blank_ = false;
    changed_ = true;
    pixels_ = nullptr;
}

// The axes: a thin opaque line along a row or a column, written straight into
// the image as the painter would draw it (every pixel whose square the line
// passes through, ends included), at a fraction of a painter's cost. Lines
// the painter might treat otherwise (shorter than a pixel, or at or beyond an
// edge) are left to it.
bool ImageCanvas::straightLine(const QPointF& from, const QPointF& to) {
    const bool across = from.y() == to.y();
    if (dotSize_ != 1 || ink_.alpha() != 255 || (!across && from.x() != to.x()))
        return false;
    const double at = across ? from.y() : from.x();
    const double start = std::min(across ? from.x() : from.y(), across ? to.x() : to.y());
    const double end = std::max(across ? from.x() : from.y(), across ? to.x() : to.y());
    const int extent = across ? size_.height() : size_.width();
    const int length = across ? size_.width() : size_.height();
    if (at < 0 || at >= extent - 1 || end - start < 1 || start < 0 || start >= length)
        return false;
    const int fixed = static_cast<int>(at);
    const int first = static_cast<int>(start);
    const int last = static_cast<int>(std::min(std::floor(end), double(length - 1)));
    const Run run{across, fixed, first, last, ink_.rgb()};
    if (image_.isNull()) {
        runs_.push_back(run);
    } else {
        QRgb* const bits = pixels(); // sets the line length too
        write(run, bits, pixelsPerLine_);
    }
    return true;
}

void ImageCanvas::write(const Run& run, QRgb* bits, qsizetype perLine) {
    for (int i = run.first; i <= run.last; ++i)
        bits[run.across ? run.fixed * perLine + i : i * perLine + run.fixed] = run.rgb;
}

void ImageCanvas::point(float x, float y, Colour colour) {
    const CanvasPoint one{x, y};
    ImageCanvas::points(&one, 1, colour);
}

// Written straight into the image: a curve is 20001 points and must not cost
// a painter each.
void ImageCanvas::points(const CanvasPoint* first, std::size_t count, Colour colour) {
    const QRgb rgb = qRgb(colour.red(), colour.green(), colour.blue());
    // Local copies: as far as the compiler knows, a pixel written through a
    // pointer could be one of the members, which it would then read again.
    const Mapping mapping = mapping_;
    const double width = size_.width();
    const double height = size_.height();
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
        Q_ASSERT(col < size_.width() && row < size_.height());
        if (bits)
            bits[row * perLine + col] = rgb;
        else
            dot(col, row, rgb);
    }
    points_ += taken;
    if (drawn) {
        blank_ = false;
        changed_ = true;
    }
}

// A dot of dotSize_ pixels across, cut at the image's edges.
void ImageCanvas::dot(int col, int row, QRgb rgb) {
    const int right = std::min(col + dotSize_, image_.width());
    const int bottom = std::min(row + dotSize_, image_.height());
    for (int y = row; y < bottom; ++y) {
        QRgb* line = pixels() + y * pixelsPerLine_;
        for (int x = col; x < right; ++x)
            line[x] = rgb;
    }
}

} // namespace oltrave
