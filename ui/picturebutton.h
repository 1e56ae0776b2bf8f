#pragma once

#include <QString>

#include "art.h"
#include "clickablelabel.h"

namespace oltrave {

// A plain picture that reacts to a click: no pressed or focused look. Its
// caption is drawn over the caption-less button art, in the window's language,
// and is what a screen reader announces.
class PictureButton : public ClickableLabel {
    Q_OBJECT
public:
    PictureButton(const QString& picture, const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CachedArt picture_;
};

} // namespace oltrave
