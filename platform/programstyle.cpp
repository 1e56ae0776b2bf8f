#include "programstyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOption>
#include <functional>
#include <optional>
#include <qdrawutil.h>

#include "captionfaces.h"
#include "framepixels.h"

namespace oltrave {

namespace {

// Fusion's picture of a group box's frame, and the frame's place below the title.
const char* const kGroupBoxFrame = ":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png";
constexpr int kGroupBoxTopMargin = 3;
constexpr int kGroupBoxBorder = 6;

// An icon made by its maker when it is first wanted.
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> make) : make_(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& icon() {
        if (!icon_)
            icon_ = make_();
        return *icon_;
    }

    std::function<QIcon()> make_;
    std::optional<QIcon> icon_;
};

// Fusion's frame as the build decoded it: reading the PNG now would make Qt
// look through every image plugin, even with the format named.
QPixmap groupBoxFrame() {
    if (framepixels::kWidth > 0) {
        const QImage decoded(framepixels::kPixels, framepixels::kWidth, framepixels::kHeight,
                             framepixels::kBytesPerLine,
                             static_cast<QImage::Format>(framepixels::kFormat));
        return QPixmap::fromImage(decoded);
    }
    QImageReader reader(QLatin1String(kGroupBoxFrame), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

ProgramStyle::ProgramStyle(QStyle* base)
    : QProxyStyle(base),
      fusion_(baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0) {}

QIcon ProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (standardIcon != SP_ToolBarHorizontalExtensionButton &&
        standardIcon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    // The option and the widget may be gone by then; the arrow's direction
    // then follows the application's, as it does without them.
    const QPointer<const ProgramStyle> self(this);
    return QIcon(new DeferredIconEngine([self, standardIcon] {
        return self ? self->baseStyle()->standardIcon(standardIcon) : QIcon();
    }));
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox || !fusion_) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    if (groupBoxFrame_.isNull())
        groupBoxFrame_ = groupBoxFrame();
    // As Fusion places it: below the title, or near the top when there is none.
    int topMargin = kGroupBoxTopMargin;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    if (!box || box->isCheckable() || !box->title().isEmpty())
        topMargin += qMax(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
    const QMargins border(kGroupBoxBorder, kGroupBoxBorder, kGroupBoxBorder, kGroupBoxBorder);
    qDrawBorderPixmap(painter, option->rect.adjusted(0, topMargin, 0, 0), border, groupBoxFrame_);
}

void ProgramStyle::drawItemText(QPainter* painter, const QRect& rect, int flags,
                                const QPalette& palette, bool enabled, const QString& text,
                                QPalette::ColorRole textRole) const {
    // A disabled text may be etched or dithered: left to the base style.
    if (enabled && !text.isEmpty()) {
        const QPen pen = painter->pen();
        if (textRole != QPalette::NoRole)
            painter->setPen(QPen(palette.brush(textRole), pen.widthF()));
        const bool drawn = captionfaces::drawText(*painter, rect, flags, text);
        painter->setPen(pen);
        if (drawn)
            return;
    }
    QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
}

void useProgramStyle() {
    if (qobject_cast<ProgramStyle*>(QApplication::style()))
        return;
    QApplication::setStyle(new ProgramStyle(QStyleFactory::create(QApplication::style()->name())));
}

} // namespace oltrave
