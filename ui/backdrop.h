#pragma once

#include <QSize>
#include <QWidget>

namespace oltrave {

// The window's background: a gradient from the top-left corner down, over an
// area larger than the window, grey wherever it does not reach. Painted
// straight onto the window from two colours: an image of it would cost a
// large allocation and a blend at every start, and a picture file its reading.
class Backdrop : public QWidget {
    Q_OBJECT
public:
    explicit Backdrop(QWidget* parent = nullptr);

    // The area the gradient covers, in logical pixels.
    static constexpr QSize kSky{1163, 850};

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace oltrave
