#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace oltrave {

// Places a fixed-size window in the middle of its screen's work area.
inline void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace oltrave
