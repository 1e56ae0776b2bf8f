#include "retranslation.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QWidget>

#include "platform/translators.h"

namespace oltrave {

namespace {

QString again(const QString& shown) {
    if (shown.isEmpty())
        return shown;
    if (const std::optional<SourceText> source = sourceOf(shown))
        return QCoreApplication::translate(
            source->context.constData(), source->source.constData(),
            source->disambiguation.isEmpty() ? nullptr : source->disambiguation.constData(),
            source->n);
    // "Plot the curve (Ctrl+P)": the words, then the keys.
    static const QRegularExpression withKeys(QStringLiteral("^(.+)( \\([^()]+\\))$"));
    const QRegularExpressionMatch match = withKeys.match(shown);
    if (match.hasMatch() && sourceOf(match.captured(1)))
        return again(match.captured(1)) + match.captured(2);
    return shown;
}

template <typename Object, typename Getter, typename Setter>
void renew(Object* object, Getter get, Setter set) {
    const QString shown = (object->*get)();
    const QString said = again(shown);
    if (said != shown)
        (object->*set)(said);
}

void sayAgainWidget(QWidget* widget) {
    renew(widget, &QWidget::toolTip, &QWidget::setToolTip);
    renew(widget, &QWidget::accessibleName, &QWidget::setAccessibleName);
    renew(widget, &QWidget::accessibleDescription, &QWidget::setAccessibleDescription);
    if (auto* label = qobject_cast<QLabel*>(widget))
        renew(label, &QLabel::text, &QLabel::setText);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        renew(button, &QAbstractButton::text, &QAbstractButton::setText);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        renew(group, &QGroupBox::title, &QGroupBox::setTitle);
    else if (auto* menu = qobject_cast<QMenu*>(widget))
        renew(menu, &QMenu::title, &QMenu::setTitle);
}

} // namespace

void sayAgain(QWidget* root) {
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    QSet<QAction*> actions;
    for (QWidget* widget : widgets) {
        sayAgainWidget(widget);
        for (QAction* action : widget->actions())
            actions.insert(action);
    }
    for (QAction* action : actions) {
        if (!action->menu()) // a menu's own action follows its title
            renew(action, &QAction::text, &QAction::setText);
    }
}

} // namespace oltrave
