#include "chooserbox.h"

#include "colourtable.h"

#include <QFocusEvent>
#include <QStyle>
#include <QWheelEvent>
#include <algorithm>

namespace oltrave {

namespace {

const char* const kKeyboardFocus = "keyboardFocus";

// Qt's own style would only tint the chooser; a style sheet shows the colour
// itself. The focus border is one pixel thicker and the padding one pixel
// thinner, so the text does not move. A styled widget takes its text colour
// from the desktop, not from its window: the sheet names the window's.
QString chooserStyle(const QColor& text) {
    return QStringLiteral("QComboBox { background-color: %1; border: 1px solid %2;"
                          " padding: 1px 4px; color: %3; }"
                          "QComboBox[keyboardFocus=\"true\"] { border: 2px solid %4;"
                          " padding: 0px 3px; }")
        .arg(QColor::fromRgb(colours::kHighlight).name(),
             QColor::fromRgb(colours::kChooserFrame).name(), text.name(),
             QColor::fromRgb(colours::kChooserFocus).name());
}

} // namespace

ChooserBox::ChooserBox(QWidget* parent) : QComboBox(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setProperty(kKeyboardFocus, false);
    setStyleSheet(chooserStyle(palette().color(QPalette::ButtonText)));
}

void ChooserBox::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

void ChooserBox::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
        reason == Qt::ShortcutFocusReason)
        showKeyboardFocus(true);
}

void ChooserBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    // The open list takes the focus for a moment; the chooser still has it.
    if (event->reason() != Qt::PopupFocusReason)
        showKeyboardFocus(false);
}

// Qt makes the open list, with its view and scrollers, at the first change of
// style or font, long before anyone opens it. Made later, it takes the
// chooser's style by itself, so until then a change needs only the chooser's
// own handling. (Qt's kept size hint is not renewed then: the window places
// the chooser by its own table, never by that hint.)
void ChooserBox::changeEvent(QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::FontChange || type == QEvent::StyleChange) && !listMade()) {
        QWidget::changeEvent(event);
        updateGeometry();
        return;
    }
    QComboBox::changeEvent(event);
}

bool ChooserBox::listMade() const {
    const QObjectList& made = children();
    return std::any_of(made.begin(), made.end(), [](const QObject* child) {
        return child->inherits("QComboBoxPrivateContainer");
    });
}

void ChooserBox::showKeyboardFocus(bool shown) {
    if (property(kKeyboardFocus).toBool() == shown)
        return;
    setProperty(kKeyboardFocus, shown);
    // A style sheet reads dynamic properties only when it is applied again.
    style()->unpolish(this);
    style()->polish(this);
    update();
}

} // namespace oltrave
