#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "model/history.h"

class QAction;
class QLineEdit;
class QMainWindow;

namespace oltrave {

class LongListView;

// Edit > Undo and Edit > Redo over the window's history. Every command that
// changes the session runs through record(); a box with typing of its own to
// take back keeps Ctrl+Z for that typing until the next command.
class UndoActions : public QObject {
    Q_OBJECT
public:
    // shown runs after a step was taken back or done again: the window shows
    // the form anew.
    UndoActions(QMainWindow& window, Form& form, Session& session, LongListView& list,
                QList<QLineEdit*> boxes, std::function<void()> shown);
    ~UndoActions() override;

    void record(UndoableCommand command, const std::function<void()>& run);
    void undo();
    void redo();
    // Forgets every step, as a new start does.
    void forget();
    // The items' words, in the language in use.
    void retranslate() { refresh(); }

    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }
    const History& history() const { return *history_; }

    // The words naming a command in the items ("Undo Clear").
    static QString commandName(UndoableCommand command);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(bool forward);
    void refresh();
    // The boxes' own typing ends with a command: Ctrl+Z then takes back the command.
    void forgetTyping();

    std::unique_ptr<History> history_;
    LongListView& list_;
    QList<QLineEdit*> boxes_;
    std::function<void()> shown_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    std::optional<int> listPosition_; // to show once the list is laid out
};

} // namespace oltrave
