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
    using AddItems = std::function<void(QMenu&)>;

    // Menu commands run through run; the sound items are made in the View
    // menu, after what viewItems adds below Key Points.
    WindowMenus(QMainWindow& window, const Form& form, PlotExports& exports, const Run& run,
                const AddItems& viewItems);

    // Copy and Copy All on the list, the exports on the plotting area.
    void addContextMenus(QAbstractItemView& list, CanvasWidget& area);

    QAction* exact() const { return exact_; }
    QAction* keyPoints() const { return keyPoints_; }
    SoundActions& sound() const { return *sound_; }
    // Help > About's words, which name the program.
    static QString aboutCaption();

signals:
    void aboutRequested();
    // View > Language: the language of the next start, to be remembered.
    void languageChosen(oltrave::Language language);
    // The language in use changed: every word is to be said again.
    void languageSwitched();

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
