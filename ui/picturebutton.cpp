#include "picturebutton.h"

#include <QCryptographicHash>
#include <QPainter>
#include <QPainterPath>
#include <map>

#include "drawnart.h"
#include "platform/captionfaces.h"
#include "platform/keptpictures.h"

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

// Named in the key of every kept caption: a change to how captions are drawn
// must change it, or a later start would show captions drawn the old way.
constexpr char kCaptionDrawing[] = "caption 1";

// The caption as outlines, unhinted, the way the art draws its shapes: the
// baseline stays on the half pixel instead of snapping to the grid.
QImage drawnCaption(const QFont& font, const QString& text, const QSize& size, qreal ratio) {
    QImage picture(size * ratio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    const qreal advance = captionfaces::advance(font, text);
    const QPointF origin((size.width() - advance) / 2, kBaselineFromTop);
    QPainterPath caption;
    if (!captionfaces::addText(caption, origin, font, text))
        caption.addText(origin, font, text);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(caption, kCaptionColour);
    return picture;
}

// Everything a caption is drawn from; empty when the face is the toolkit's to
// choose, as then nothing names the fonts it takes.
QByteArray captionKey(const QFont& font, const QString& text, const QSize& size, qreal ratio) {
    const QByteArray header = captionfaces::faceHeader(font, text);
    if (header.isEmpty())
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QByteArray& part :
         {QByteArray(kCaptionDrawing), QByteArray(qVersion()), header, font.toString().toUtf8(),
          text.toUtf8(), QByteArray::number(size.width()), QByteArray::number(size.height()),
          QByteArray::number(ratio, 'g', 17), kCaptionColour.name(QColor::HexArgb).toLatin1(),
          QByteArray::number(kBaselineFromTop, 'g', 17)}) {
        hash.addData(QByteArray::number(part.size()));
        hash.addData(part);
    }
    return hash.result();
}

} // namespace

PictureButton::PictureButton(const QString& picture, const QString& caption, QWidget* parent)
    : KeyboardButton(caption, parent), picture_(picture) {
    setFont(captionFont());
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, sharedArt(picture_, devicePixelRatioF()));
    if (!text().isEmpty())
        painter.drawImage(0, 0, caption());
    paintFocusRing(painter, kRingInset);
}

// Drawn once for its text, font, size and pixel ratio; kept between runs when
// its face can be named.
const QImage& PictureButton::caption() {
    const qreal ratio = devicePixelRatioF();
    const QString drawnFor = QStringLiteral("%1\n%2\n%3x%4@%5")
                                 .arg(text(), font().key())
                                 .arg(width())
                                 .arg(height())
                                 .arg(ratio);
    if (drawnFor == captionFor_ && !caption_.isNull())
        return caption_;
    captionFor_ = drawnFor;
    KeptPictures& kept = KeptPictures::program();
    const QByteArray key = captionKey(font(), text(), size(), ratio);
    caption_ = key.isEmpty() ? QImage() : kept.find(key);
    if (caption_.isNull()) {
        caption_ = drawnCaption(font(), text(), size(), ratio);
        kept.keep(key, caption_);
    }
    return caption_;
}

} // namespace oltrave
