#include "startupscreen.h"

#include "centreonscreen.h"

#include <QPainter>

namespace oltrave {

namespace {

const QSize kClientSize(439, 341);

} // namespace

QRegion opaqueRegion(const QImage& picture) {
    // Transparent parts would show the window's white background: flatten onto white first.
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        QImage unscaled = picture;
        unscaled.setDevicePixelRatio(1.0);
        painter.drawImage(0, 0, unscaled);
    }
    const auto isWhite = [](QRgb pixel) { return (pixel & 0xFFFFFF) == 0xFFFFFF; };
    // One rectangle per run of non-white pixels, row by row: already in the order
    // QRegion::setRects wants.
    QList<QRect> runs;
    for (int y = 0; y < flat.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(flat.constScanLine(y));
        for (int x = 0; x < flat.width();) {
            if (isWhite(row[x])) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < flat.width() && !isWhite(row[x]))
                ++x;
            runs.append(QRect(start, y, x - start, 1));
        }
    }
    QRegion region;
    region.setRects(runs.constData(), static_cast<int>(runs.size()));
    return region;
}

StartupScreen::StartupScreen(int intervalMs, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), timer_(new QTimer(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Form2"));
    setFixedSize(kClientSize);
    setAutoFillBackground(false);

    // The mask is worked out at one pixel per unit; at higher ratios the picture is
    // drawn sharper inside the same outline. The white margin around the banner is
    // outside the mask.
    setMask(opaqueRegion(banner_.at(1.0)));
    centreOnScreen(*this);

    timer_->setInterval(intervalMs);
    connect(timer_, &QTimer::timeout, this, &StartupScreen::tick);
    timer_->start();
}

void StartupScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(0, 0, banner_.at(devicePixelRatioF()));
}

void StartupScreen::tick() {
    if (handedOver_)
        return;
    handedOver_ = true;
    timer_->stop();
    close();
    emit handOver();
}

} // namespace oltrave
