#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleObject>
#include <QPointer>

class QAction;

namespace oltrave {

// What a screen reader is told about an item of a menu or of the menu bar.
// Qt's own item reads the caption with only the "&" taken out, so "Edit(&E)"
// would be announced as "Edit(E)"; this one announces "Edit" and otherwise
// behaves as Qt's: the same role, state, actions and place.
class MenuItemAccessible : public QAccessibleObject, public QAccessibleActionInterface {
public:
    // Serves every item shown in a menu or a menu bar from now on; calling it
    // again does nothing.
    static void install();

    // A caption as it is spoken: "Edit(&E)" gives "Edit", "&Open" gives "Open".
    static QString spoken(const QString& caption);

    MenuItemAccessible(QAction* action, QWidget* owner);

    bool isValid() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    QAction* action() const;

    QPointer<QWidget> owner_;
};

} // namespace oltrave
