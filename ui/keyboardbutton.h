#pragma once

#include <QAbstractButton>

namespace oltrave {

// A button drawn by its subclass that a keyboard can reach: Space and Enter
// press it, and it shows a thin dotted ring while it holds a focus that came
// from the keyboard. A click never gives it the focus, so the mouse sees the
// picture and nothing else.
class KeyboardButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit KeyboardButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    bool showsFocusRing() const { return hasFocus() && keyboardFocus_; }
    // A dotted rectangle inset from the edges, in the text colour.
    void paintFocusRing(QPainter& painter, int inset) const;

private:
    bool keyboardFocus_ = false;
};

} // namespace oltrave
