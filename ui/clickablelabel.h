#pragma once

#include <QLabel>

namespace oltrave {

// A label that reports a click. Qt delivers no mouse events to a disabled
// widget, so a disabled label stays silent.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace oltrave
