#include "modebutton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace oltrave {

ModeButton::ModeButton(const QString& caption, QWidget* parent) : KeyboardButton(caption, parent) {
    setCheckable(true);
    setAutoExclusive(true);
    // Drawn as a caption on the window, not as a button face.
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
    // Every choice stays a Tab stop until the window first says which is
    // chosen, so that it can place them all in its Tab order.
    connect(this, &QAbstractButton::toggled, this, &ModeButton::showChoice);
}

// Called for every choice the window sets, changed or not.
void ModeButton::checkStateSet() {
    showChoice(isChecked());
}

void ModeButton::showChoice(bool chosen) {
    setAutoFillBackground(chosen);
    setFocusPolicy(chosen ? Qt::TabFocus : Qt::NoFocus);
    update();
}

// The enabled choice step places along, wrapping round; null when there is none.
ModeButton* ModeButton::neighbour(int step) const {
    const QList<ModeButton*> group =
        parentWidget()->findChildren<ModeButton*>(Qt::FindDirectChildrenOnly);
    const qsizetype count = group.size();
    const qsizetype at = group.indexOf(const_cast<ModeButton*>(this));
    for (qsizetype i = 1; i < count; ++i) {
        ModeButton* candidate = group[((at + step * i) % count + count) % count];
        if (candidate->isEnabled())
            return candidate;
    }
    return nullptr;
}

void ModeButton::keyPressEvent(QKeyEvent* event) {
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: step = -1; break;
    case Qt::Key_Right:
    case Qt::Key_Down: step = 1; break;
    default: KeyboardButton::keyPressEvent(event); return;
    }
    if (ModeButton* next = neighbour(step)) {
        next->setFocus(Qt::OtherFocusReason);
        next->click();
    }
}

void ModeButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    const int flags = Qt::AlignCenter | Qt::TextForceLeftToRight;
    style()->drawItemText(&painter, rect(), flags, option.palette, isEnabled(), text(),
                          foregroundRole());
    paintFocusRing(painter, 0);
}

} // namespace oltrave
