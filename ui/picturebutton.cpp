#include "picturebutton.h"

#include <QPainter>
#include <QPainterPath>
#include <map>

#include "drawnart.h"
#include "platform/captionfaces.h"

namespace oltrave {

namespace {

// The caption as the button art was designed: Open Sans Semibold, 13 pixels,
// centred across the button with its baseline at 17.5 of 26 pixels.
constexpr qreal kCaptionPixels = 13;
constexpr qreal kBaselineFromTop = 17.5;
const QColor kCaptionColour(0x2e, 0x2a, 0x6e);

QFont captionFont() {
    QFont font(QStringLiteral("Open Sans Semibold"));
    font.setPixelSize(static_cast<int>(kCaptionPixels));
    font.setWeight(QFont::DemiBold);
    return font;
}

// The buttons share their art: it is drawn once for all of them, and at the
// ordinary pixel ratio, by the build.
const QImage& sharedArt(const QString& path, qreal devicePixelRatio) {
    if (devicePixelRatio == drawnart::kRatio && path == QLatin1String(drawnart::kPicture)) {
        static const QImage built(drawnart::kPixels, drawnart::kWidth, drawnart::kHeight,
                                  drawnart::kBytesPerLine, QImage::Format_ARGB32_Premultiplied);
        return built;
    }
    static std::map<QString, CachedArt> drawn;
    return drawn.try_emplace(path, path).first->second.at(devicePixelRatio);
}

// Keeps the ring clear of the picture's rounded border.
constexpr int kRingInset = 3;

} // namespace

PictureButton::PictureButton(const QString& picture, const QString& caption, QWidget* parent)
    : KeyboardButton(caption, parent), picture_(picture) {
    setFont(captionFont());
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, sharedArt(picture_, devicePixelRatioF()));
    // As outlines, unhinted, the way the art draws its shapes: the baseline stays
    // on the half pixel instead of snapping to the grid.
    const qreal advance = captionfaces::advance(font(), text());
    const QPointF origin((width() - advance) / 2, kBaselineFromTop);
    QPainterPath caption;
    if (!captionfaces::addText(caption, origin, font(), text()))
        caption.addText(origin, font(), text());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(caption, kCaptionColour);
    paintFocusRing(painter, kRingInset);
}

} // namespace oltrave
