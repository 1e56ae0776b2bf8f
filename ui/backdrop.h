#pragma once

#include <QWidget>

#include "art.h"

namespace oltrave {

// The window's background: the gradient picture at the top-left corner,
// clipped by the client area.
class Backdrop : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    CachedArt picture_{QStringLiteral(":/art/background.svg")};
};

} // namespace oltrave
