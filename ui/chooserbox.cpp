#include "chooserbox.h"

#include "colourtable.h"

#include <QFocusEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QWheelEvent>
#include <algorithm>
#include <qdrawutil.h>

namespace oltrave {

namespace {

const char* const kKeyboardFocus = "keyboardFocus";

// The frame and the room inside it, plain and when Tab reached it: the focus
// frame is darker, one pixel thicker and the room one pixel thinner, so the
// text does not move.
struct Frame {
    int width;
    QRgb colour;
    QMargins room;
};
constexpr Frame kPlain{1, colours::kChooserFrame, QMargins(4, 1, 4, 1)};
constexpr Frame kReachedByTab{2, colours::kChooserFocus, QMargins(3, 0, 3, 0)};
// The arrow's button, at the right of the room inside the frame.
constexpr int kArrowButtonWidth = 16;

// The open list's look: its chosen entry in the chooser's colour and frame. A
// style sheet draws it; a styled widget takes its text colour from the
// desktop, not from its window, so the sheet names the window's.
QString listStyle(const QColor& text) {
    return QStringLiteral("QComboBox { background-color: %1; border: 1px solid %2;"
                          " padding: 1px 4px; color: %3; }")
        .arg(QColor::fromRgb(colours::kHighlight).name(),
             QColor::fromRgb(colours::kChooserFrame).name(), text.name());
}

} // namespace

ChooserBox::ChooserBox(QWidget* parent) : QComboBox(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setProperty(kKeyboardFocus, false);
}

// Qt's own style would only tint the chooser: it shows its colour itself, in
// a flat frame, with the arrow on a raised button as classic desktops drew it.
void ChooserBox::paintEvent(QPaintEvent*) {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const Frame frame = property(kKeyboardFocus).toBool() ? kReachedByTab : kPlain;
    const QColor colour = QColor::fromRgb(colours::kHighlight);
    const QColor frameColour = QColor::fromRgb(frame.colour);
    QPainter painter(this);
    painter.fillRect(rect(), colour);
    const QRect inside =
        rect().marginsRemoved(QMargins(frame.width, frame.width, frame.width, frame.width));
    painter.fillRect(QRect(0, 0, width(), frame.width), frameColour);
    painter.fillRect(QRect(0, inside.bottom() + 1, width(), frame.width), frameColour);
    painter.fillRect(QRect(0, frame.width, frame.width, inside.height()), frameColour);
    painter.fillRect(QRect(inside.right() + 1, frame.width, frame.width, inside.height()),
                     frameColour);

    // The button's shades follow the chooser's colour, as a styled box's do.
    option.palette.setColor(QPalette::Button, colour);
    option.palette.setColor(QPalette::Window, colour);
    option.palette.setColor(QPalette::Light, colour.lighter(115));
    option.palette.setColor(QPalette::Midlight, colour.lighter(107));
    option.palette.setColor(QPalette::Dark, colour.darker(150));
    option.palette.setColor(QPalette::Shadow, colour.darker(300));
    QRect button(inside.right() + 1 - kArrowButtonWidth, inside.top(), kArrowButtonWidth,
                 inside.height());
    const bool sunken = option.activeSubControls == QStyle::SC_ComboBoxArrow &&
                        (option.state & QStyle::State_Sunken);
    if (sunken) {
        painter.setPen(option.palette.dark().color());
        painter.setBrush(colour);
        painter.drawRect(button.adjusted(0, 0, -1, -1));
    } else {
        QPalette shades = option.palette;
        shades.setColor(QPalette::Button, option.palette.light().color());
        shades.setColor(QPalette::Light, colour);
        const QBrush fill(colour);
        qDrawWinButton(&painter, button, shades, false, &fill);
    }
    QStyleOption arrow = option;
    arrow.rect = button.adjusted(3, 3, -3, -3);
    arrow.state = option.state & (QStyle::State_Enabled | QStyle::State_HasFocus);
    if (sunken)
        arrow.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);

    QRect text = inside.marginsRemoved(frame.room);
    text.setRight(text.right() - kArrowButtonWidth);
    QPalette textPalette = option.palette;
    textPalette.setColor(QPalette::Text, palette().color(QPalette::ButtonText));
    painter.setClipRect(text);
    style()->drawItemText(&painter, text, int(option.textAlignment), textPalette,
                          option.state & QStyle::State_Enabled, option.currentText, QPalette::Text);
}

// The sheet is read when the list first opens: no start pays for it.
void ChooserBox::showPopup() {
    if (styleSheet().isEmpty())
        setStyleSheet(listStyle(palette().color(QPalette::ButtonText)));
    QComboBox::showPopup();
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
    update();
}

} // namespace oltrave
