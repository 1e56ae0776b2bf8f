#pragma once

#include <QString>

#include "clickablelabel.h"

class QPainter;

namespace oltrave {

// A plain picture that reacts to a click: no pressed or focused look. Paints
// its artwork when the resource exists, a flat captioned panel otherwise.
class PictureButton : public ClickableLabel {
    Q_OBJECT
  public:
    PictureButton(const QString& picture, const QString& caption, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString picture_;
};

// Paints an artwork resource over the rectangle when it exists; false otherwise.
bool paintArtwork(QPainter& painter, const QString& picture, const QRectF& target);

} // namespace oltrave
