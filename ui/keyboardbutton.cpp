#include "keyboardbutton.h"

#include <QKeyEvent>
#include <QPainter>

namespace oltrave {

KeyboardButton::KeyboardButton(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
    setText(caption);
    setFocusPolicy(Qt::TabFocus);
}

void KeyboardButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void KeyboardButton::focusInEvent(QFocusEvent* event) {
    // Coming back to the window keeps whatever the focus looked like before.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        keyboardFocus_ = event->reason() != Qt::MouseFocusReason;
    QAbstractButton::focusInEvent(event);
}

void KeyboardButton::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
    update();
}

void KeyboardButton::paintFocusRing(QPainter& painter, int inset) const {
    if (!showsFocusRing())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
    painter.restore();
}

} // namespace oltrave
