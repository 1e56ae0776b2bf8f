#pragma once

#include "art.h"

#include <QRegion>
#include <QTimer>
#include <QWidget>

namespace oltrave {

// The part of a picture that is not pure white: the start-up screen shows only this
// part, so the desktop shows, and takes clicks, through the white.
QRegion opaqueRegion(const QImage& picture);

// The first window: the banner for a moment, then the hand-over to the main window.
// Create it with new: it deletes itself when it closes.
class StartupScreen : public QWidget {
    Q_OBJECT
public:
    explicit StartupScreen(int intervalMs = 1000, QWidget* parent = nullptr);

signals:
    // Sent once, at the first tick, after the screen has closed.
    void handOver();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void tick();

    CachedArt banner_{QStringLiteral(":/art/banner.svg")};
    QTimer* timer_;
    bool handedOver_ = false;
};

} // namespace oltrave
