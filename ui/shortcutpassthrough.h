#pragma once

#include <QList>
#include <QObject>

class QAction;
class QWidget;

namespace oltrave {

// Text boxes claim Ctrl+A, Shift+Del and the like for their own editing; the
// menu shortcuts must run their commands wherever the focus is. Watched
// widgets leave the menus' key sequences to the menus.
class ShortcutPassThrough : public QObject {
    Q_OBJECT
public:
    ShortcutPassThrough(QList<QAction*> actions, QObject* parent);

    void watch(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QAction*> actions_;
};

} // namespace oltrave
