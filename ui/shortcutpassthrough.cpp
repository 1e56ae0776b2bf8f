#include "shortcutpassthrough.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

namespace oltrave {

ShortcutPassThrough::ShortcutPassThrough(QList<QAction*> actions, QObject* parent)
    : QObject(parent), actions_(std::move(actions)) {}

void ShortcutPassThrough::watch(QWidget* widget) {
    widget->installEventFilter(this);
}

bool ShortcutPassThrough::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (const QAction* action : actions_) {
        if (action->isEnabled() && action->shortcut() == pressed) {
            event->ignore(); // not overridden: the shortcut fires
            return true;
        }
    }
    return false;
}

} // namespace oltrave
