#include "menuitemaccessible.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace oltrave {

namespace {

// The menu or menu bar that shows the action, if any.
QWidget* menuOwner(QAction* action) {
    for (QObject* object : action->associatedObjects()) {
        if (qobject_cast<QMenu*>(object) || qobject_cast<QMenuBar*>(object))
            return static_cast<QWidget*>(object);
    }
    return nullptr;
}

QAccessibleInterface* menuItemFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QAction"))
        return nullptr;
    auto* action = static_cast<QAction*>(object);
    QWidget* owner = menuOwner(action);
    return owner ? new MenuItemAccessible(action, owner) : nullptr;
}

} // namespace

void MenuItemAccessible::install() {
    static const bool installed = (QAccessible::installFactory(menuItemFactory), true);
    (void)installed;
}

// Without regular expressions: the menus ask for every caption at start-up.
QString MenuItemAccessible::spoken(const QString& caption) {
    QString text;
    text.reserve(caption.size());
    const qsizetype size = caption.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = caption[i];
        // "(&F)", the access key written after a caption, goes whole.
        if (c == u'(' && i + 3 < size && caption[i + 1] == u'&' && caption[i + 2] != u'&' &&
            caption[i + 3] == u')') {
            i += 3;
            continue;
        }
        // "&F" reads "F"; "&&" reads one "&".
        if (c == u'&' && i + 1 < size && caption[i + 1] != u'\n') {
            text += caption[++i];
            continue;
        }
        text += c;
    }
    return text.trimmed();
}

MenuItemAccessible::MenuItemAccessible(QAction* action, QWidget* owner)
    : QAccessibleObject(action), owner_(owner) {}

QAction* MenuItemAccessible::action() const {
    return static_cast<QAction*>(object());
}

bool MenuItemAccessible::isValid() const {
    return QAccessibleObject::isValid() && owner_;
}

QWindow* MenuItemAccessible::window() const {
    const QAccessibleInterface* up = parent();
    return up ? up->window() : nullptr;
}

QAccessibleInterface* MenuItemAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(owner_.data());
}

QAccessibleInterface* MenuItemAccessible::child(int index) const {
    QMenu* menu = action()->menu<QMenu*>();
    return index == 0 && menu ? QAccessible::queryAccessibleInterface(menu) : nullptr;
}

int MenuItemAccessible::childCount() const {
    return action()->menu<QMenu*>() ? 1 : 0;
}

int MenuItemAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child && child == this->child(0) ? 0 : -1;
}

QString MenuItemAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name: return spoken(action()->text());
    case QAccessible::Accelerator: return action()->shortcut().toString(QKeySequence::NativeText);
    default: return {};
    }
}

QRect MenuItemAccessible::rect() const {
    QRect local;
    if (auto* bar = qobject_cast<QMenuBar*>(owner_.data()))
        local = bar->actionGeometry(action());
    else if (auto* menu = qobject_cast<QMenu*>(owner_.data()))
        local = menu->actionGeometry(action());
    return local.isValid() ? QRect(owner_->mapToGlobal(local.topLeft()), local.size()) : QRect();
}

QAccessible::Role MenuItemAccessible::role() const {
    return action()->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
}

QAccessible::State MenuItemAccessible::state() const {
    QAccessible::State state;
    QAction* item = action();
    state.invisible = !item->isVisible() || !owner_->isVisible();
    state.disabled = !item->isEnabled();
    if (item->isSeparator())
        return state;
    state.focusable = true;
    const QAction* active = nullptr;
    if (auto* bar = qobject_cast<QMenuBar*>(owner_.data()))
        active = bar->activeAction();
    else if (auto* menu = qobject_cast<QMenu*>(owner_.data()))
        active = menu->activeAction();
    state.focused = active == item && owner_->hasFocus();
    state.hasPopup = item->menu<QMenu*>() != nullptr;
    state.checkable = item->isCheckable();
    state.checked = item->isChecked();
    return state;
}

void* MenuItemAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

QStringList MenuItemAccessible::actionNames() const {
    QAction* item = action();
    if (!item->isEnabled() || item->isSeparator())
        return {};
    return {item->menu<QMenu*>() ? showMenuAction() : pressAction()};
}

void MenuItemAccessible::doAction(const QString& actionName) {
    QAction* item = action();
    if (!item->isEnabled())
        return;
    if (actionName == pressAction()) {
        // Later, so a command that opens a modal screen does not hold up the
        // screen reader's call until the screen closes.
        QMetaObject::invokeMethod(item, &QAction::trigger, Qt::QueuedConnection);
    } else if (actionName == showMenuAction()) {
        QMenu* menu = item->menu<QMenu*>();
        if (menu && menu->isVisible())
            menu->hide();
        else if (auto* bar = qobject_cast<QMenuBar*>(owner_.data()))
            bar->setActiveAction(item);
        else if (auto* owner = qobject_cast<QMenu*>(owner_.data()))
            owner->setActiveAction(item);
    }
}

QStringList MenuItemAccessible::keyBindingsForAction(const QString& actionName) const {
    const QKeySequence shortcut = action()->shortcut();
    if (actionName != pressAction() || shortcut.isEmpty())
        return {};
    return {shortcut.toString(QKeySequence::NativeText)};
}

} // namespace oltrave
