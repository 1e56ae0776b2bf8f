#pragma once

#include "keyboardbutton.h"

namespace oltrave {

// One of the exclusive mode choices, drawn as a caption centred on its own
// background while it is chosen and on nothing otherwise. The choices share
// one Tab stop, the chosen one; the arrow keys move the choice among the
// enabled ones, as in a group of radio buttons.
class ModeButton : public KeyboardButton {
    Q_OBJECT
public:
    explicit ModeButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void checkStateSet() override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showChoice(bool chosen);
    ModeButton* neighbour(int step) const;
};

} // namespace oltrave
