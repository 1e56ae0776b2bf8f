#pragma once

#include <QObject>
#include <functional>

#include "model/form.h"
#include "model/language.h"

class QAction;
class QAbstractItemView;
class QMainWindow;
class QMenu;

namespace oltrave {

class CanvasWidget;
class PlotExports;
class SoundActions;

// The menu bar, the list's and the plotting area's context menus, and the
// shortcuts that work while the menus are closed.
class WindowMenus : public QObject {
    Q_OBJECT
public:
    using Run = std::function<void(FormCommand)>;

    // Menu commands run through run; the sound items are made in the View menu.
    WindowMenus(QMainWindow& window, const Form& form, PlotExports& exports, const Run& run);

    // Copy and Copy All on the list, the exports on the plotting area.
    void addContextMenus(QAbstractItemView& list, CanvasWidget& area);

    QAction* exact() const { return exact_; }
    QAction* keyPoints() const { return keyPoints_; }
    SoundActions& sound() const { return *sound_; }

signals:
    void aboutRequested();
    // View > Language: the language of the next start.
    void languageChosen(oltrave::Language language);

private:
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption,
                        const QKeySequence& shortcut, FormCommand command);
    void buildLanguageMenu(QMenu* view);
    void pickLanguage(Language language);
    void copyLines(const QAbstractItemView& list, bool selectedOnly);

    QMainWindow& window_;
    const Form& form_;
    PlotExports& exports_;
    Run run_;
    QAction* exact_ = nullptr;
    QAction* keyPoints_ = nullptr;
    SoundActions* sound_ = nullptr;
};

} // namespace oltrave
