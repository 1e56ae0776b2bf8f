#pragma once

#include <QImage>
#include <QString>

#include "art.h"
#include "keyboardbutton.h"

namespace oltrave {

// A push button that is only its picture: no pressed or hover look. Its caption
// is drawn over the caption-less button art, in the window's language, and is
// what a screen reader announces.
class PictureButton : public KeyboardButton {
    Q_OBJECT
public:
    PictureButton(const QString& picture, const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage& caption();

    QString picture_;
    QImage caption_;
    QString captionFor_;
};

} // namespace oltrave
