#pragma once

#include <QWidget>

#include "art.h"

namespace oltrave {

// The window's background: the gradient picture at the top-left corner,
// clipped by the client area. It is painted straight onto the window: an
// image of it would cost a large allocation and a blend at every start.
class Backdrop : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PaintedArt picture_{QStringLiteral(":/art/background.svg")};
};

} // namespace oltrave
